#include "pictures/EngineCall.h"

#include <cstdlib>

#include "files/FilePaths.h"

int readThroughEngine(const QString &path, const QString &folder, int mode, int number, EngineCall &call,
                      MPOStatusCallback progress, void *context)
{
    const QByteArray file = FilePaths::toBytes(path), saveFolder = FilePaths::toBytes(folder);
    unsigned char *picture = nullptr;
    int size = 0;
    if (progress == nullptr)
        progress = [](void *, int, int) {};
    const int result = chkMPOandSavedExplained(file.constData(), &call.count, &call.representative, mode, number,
                                               &picture, &size, saveFolder.constData(), progress, context,
                                               &call.cause, &call.report);
    // One copy of the engine's bytes, and the engine's buffer freed at once.
    call.picture = result == 0 && picture != nullptr ? QByteArray(reinterpret_cast<const char *>(picture), size)
                                                     : QByteArray();
    std::free(picture);
    return result;
}
