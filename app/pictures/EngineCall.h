// The viewer's one call into the engine: a picture of an MPO file read into
// memory, or one or every picture split into a folder. The controller calls
// it with its progress display; the picture store, quietly, for pictures
// other than the one on show.
#pragma once

#include <QByteArray>
#include <QString>

#include "engine/mpo.h"

struct EngineCall {
    int count = 0;  // kept as given when the engine fails before it reads the index
    int representative = 0;
    QByteArray picture;  // the picture a load hands back; empty otherwise
    MPOCause cause = MPOCause::None;
    MPOSplitReport report;  // what a split wrote and passed over
};

// Runs the engine on `path` in run mode `mode` for picture `number` (0: the
// representative), splitting into `folder`; `progress` (may be null) gets
// the engine's progress calls with `context`. Returns the engine's result code.
int readThroughEngine(const QString &path, const QString &folder, int mode, int number, EngineCall &call,
                      MPOStatusCallback progress = nullptr, void *context = nullptr);
