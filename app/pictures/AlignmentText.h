// What Auto Align did to a pair, in words for the status bar.
#pragma once

#include <QString>

#include "stereo/alignment.h"

// "Auto Align: 3 px up, 0.4° turned; the nearest points at the screen", or
// why it did nothing.
QString alignmentText(const stereo::Alignment &alignment, const stereo::Choices &choices = {});
