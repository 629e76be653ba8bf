// What Auto Align did to a pair, and what the stereo library finds wrong
// with one, in words the user reads.
#pragma once

#include <QString>

#include "stereo/alignment.h"
#include "stereo/conversion.h"
#include "stereo/problem.h"

// "Auto Align: 3 px up, 0.4° turned; the nearest points at the screen", or
// why it did nothing.
QString alignmentText(const stereo::Alignment &alignment, const stereo::Choices &choices = {});

// A problem of the stereo library in the user's language.
QString problemText(const stereo::Problem &problem);
// Why a file was not converted, in the user's language.
QString reasonText(const stereo::Reason &reason);
