// Runs the command-line programs through the shell, catching what they
// print and their exit status.
#pragma once

#include <sys/wait.h>

#include "engine_test_support.h"

inline std::string quoted(const std::string &arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct ProgramRun {
    int status;
    std::string out, err;
};

// Runs `command` with its output caught in files of `scratch`.
inline ProgramRun shellIn(const ScratchFolder &scratch, const std::string &command)
{
    const std::string out = scratch.path() + "/.out", err = scratch.path() + "/.err";
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    const Bytes o = readFile(out), e = readFile(err);
    std::filesystem::remove(out), std::filesystem::remove(err);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {o.begin(), o.end()}, {e.begin(), e.end()}};
}

inline ProgramRun runProgram(const ScratchFolder &scratch, const std::string &program,
                             const std::vector<std::string> &args)
{
    std::string command = quoted(program);
    for (const std::string &arg : args)
        command += " " + quoted(arg);
    return shellIn(scratch, command);
}

// Runs `command` in a private mount namespace where the folder "disk" of
// `scratch` is a file system of `size` ("64k", "1m") of its own, then prints
// "status N", lists the disk and runs `then` in it. Nothing is printed where
// this system allows no such mount.
inline ProgramRun onSmallDisk(const ScratchFolder &scratch, const std::string &size, const std::string &command,
                              const std::string &then = "true")
{
    const std::string disk = scratch.path() + "/disk";
    std::filesystem::create_directory(disk);
    const std::string script = "mount -t tmpfs -o size=" + size + " tmpfs " + quoted(disk) + " || exit 99; " + command +
                               "; echo status $?; cd " + quoted(disk) + " && ls -A && " + then;
    ProgramRun run = shellIn(scratch, "unshare -Urm sh -c " + quoted(script));
    if (run.status == 99)
        run.out.clear();
    return run;
}
