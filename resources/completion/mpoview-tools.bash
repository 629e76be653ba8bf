# Bash completion for mpoview, mposplit, mpojoin, mpostereo and mpocheck: their options,
# the values some options take, and the files they read.

_mpoview_tools_files()
{
    # MPO files for the programs that read them; pictures for the joiner;
    # side-by-side pairs too for the viewer and mpostereo.
    local pattern='@(mpo|MPO|Mpo)'
    [[ $1 == mpojoin ]] && pattern='@(mpo|MPO|Mpo|jpg|JPG|jpeg|JPEG)'
    [[ $1 == mpostereo ]] && pattern='@(mpo|MPO|Mpo|jps|JPS|pns|PNS)'
    [[ $1 == mpoview ]] && pattern='@(mpo|MPO|Mpo|jpg|JPG|jpeg|JPEG|jps|JPS|pns|PNS)'
    COMPREPLY=($(compgen -f -X "!*.$pattern" -- "$cur") $(compgen -d -- "$cur"))
}

_mpoview_tools()
{
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    compopt -o filenames 2>/dev/null
    case $1 in
    mposplit)
        case $prev in
        -o) COMPREPLY=($(compgen -d -- "$cur")); return ;;
        -p) return ;;
        esac
        [[ $cur == -* ]] && { COMPREPLY=($(compgen -W '-o -p --list --trace --help --version' -- "$cur")); return; } ;;
    mpojoin)
        case $prev in
        -t) COMPREPLY=($(compgen -W 'disparity multi-angle panorama' -- "$cur")); return ;;
        -o) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        esac
        [[ $cur == -* ]] && { COMPREPLY=($(compgen -W '-t --little-endian --first -o --help --version' -- "$cur")); return; } ;;
    mpostereo)
        case $prev in
        -m) COMPREPLY=($(compgen -W 'parallel cross over-under mirror half-parallel half-over-under rows columns anaglyph-dubois anaglyph-color
                anaglyph-half anaglyph-gray green-magenta-dubois green-magenta-color green-magenta-half
                green-magenta-gray amber-blue-dubois amber-blue-color amber-blue-half amber-blue-gray jps pns wiggle-gif wiggle-webp' -- "$cur"))
            return ;;
        -o) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --dx | --dy | -q | -j | --window | --crop | --level | --fit | --rate) return ;;
        esac
        [[ $cur == -* ]] && { COMPREPLY=($(compgen -W '-m --swap --dx --dy --align --align-only --3ds --match-colors --window --crop --level --fit --rate -q -j -o --help --version' -- "$cur")); return; } ;;
    mpocheck)
        [[ $prev == -o ]] && { COMPREPLY=($(compgen -f -- "$cur")); return; }
        [[ $cur == -* ]] && { COMPREPLY=($(compgen -W '--repair -o --help --version' -- "$cur")); return; } ;;
    mpothumbnail)
        [[ $prev == -s ]] && { COMPREPLY=($(compgen -W '128 256 512 1024' -- "$cur")); return; }
        [[ $cur == -* ]] && { COMPREPLY=($(compgen -W '-s --help --version' -- "$cur")); return; } ;;
    esac
    _mpoview_tools_files "$1"
}

complete -F _mpoview_tools mpoview mposplit mpojoin mpostereo mpocheck mpothumbnail
