// The one table of what each result code and cause means, in words that
// follow a file's name: the command-line programs print them, and the viewer
// shows them translated by their ids.
#include "mpo.h"

MPOText mpoResultText(int result)
{
    switch (result) {
    case MPO_PATH_UNEXAMINED: return {"ResultPathUnexamined", "cannot be found or examined"};
    case MPO_CANNOT_OPEN: return {"ResultCannotOpen", "cannot be opened"};
    case MPO_REFUSED: return {"ResultRefused", "is not an MPO file this program can read"};
    case MPO_NO_SUCH_PICTURE: return {"ResultNoSuchPicture", "has no picture with the number asked for"};
    case MPO_WRITE_FAILED:
        return {"ResultWriteFailed", "cannot be split: the save folder cannot be used, or writing a picture failed"};
    case MPO_NO_ROOM:
        return {"ResultNoRoom", "cannot be split: not enough free space, or no file can be created in the save folder"};
    case MPO_UNREACHABLE: return {"ResultUnreachable", "has a picture that cannot be read"};
    case MPO_JOIN_INPUT_REFUSED: return {"ResultJoinInputRefused", "cannot be read, or is no complete JPEG picture"};
    case MPO_JOIN_TOO_LARGE:
        return {"ResultJoinTooLarge", "cannot be joined: the pictures are too many or too large for an MP index"};
    case MPO_JOIN_WRITE_FAILED:
        return {"ResultJoinWriteFailed", "cannot be written: its name is taken, its folder cannot be used, or the disk is full"};
    default: return {"ResultUnknown", "cannot be read (an unknown failure)"};
    }
}

MPOText mpoProblemText(int result, MPOCause cause)
{
    switch (cause) {
    case MPOCause::None: break;
    case MPOCause::IndexOutsideFile:
        return {"CauseIndexOutsideFile", "has an MP index that points outside the file, or lists its pictures out of order"};
    case MPOCause::FolderUnusable:
        return {"CauseFolderUnusable", "cannot be split: the save folder does not exist or cannot be used"};
    case MPOCause::NotAPicture:
        return {"CauseNotAPicture", "has an MP index entry whose data is not a whole JPEG picture"};
    case MPOCause::CopyFailed: return {"CauseCopyFailed", "cannot be split: reading or writing a picture failed"};
    case MPOCause::DiskFull: return {"CauseDiskFull", "cannot be split: the disk is full"};
    case MPOCause::NotEnoughRoom:
        return {"CauseNotEnoughRoom", "cannot be split: not enough free space for a picture"};
    case MPOCause::NoOutputFile:
        return {"CauseNoOutputFile", "cannot be split: no file can be created in the save folder"};
    case MPOCause::PathTooLong: return {"CausePathTooLong", "cannot be opened: its path is 1,024 bytes or longer"};
    case MPOCause::NameTooShort:
        return {"CauseNameTooShort", "cannot be opened: its name is too short to name its pictures after (fewer than four characters)"};
    case MPOCause::NotAFile:
        return {"CauseNotAFile", "cannot be opened: it is a folder, a device, a pipe or a socket, not a file"};
    case MPOCause::ReadFailed: return {"CauseReadFailed", "cannot be read: the disk or the file system failed (an I/O error)"};
    case MPOCause::NameTooLong:
        return {"CauseNameTooLong", "cannot be split: a picture's name would be longer than the save folder's file system allows"};
    case MPOCause::PictureTooLarge:
        return {"CausePictureTooLarge", "has a picture too large to be held in memory (2 GiB or more)"};
    case MPOCause::Empty: return {"CauseEmpty", "is empty"};
    case MPOCause::StartsPastEnd:
        return {"CauseStartsPastEnd", "has a picture that starts where the file ends, or beyond (the file is cut short)"};
    }
    return mpoResultText(result);
}
