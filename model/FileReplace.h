// Whole-file writing lives in the platform layer (platform/FileReplace.h),
// beside the other file helpers, so that the platform's own files (the .INI
// file) are written by the same routine as the settings and project files.
#pragma once

#include "platform/FileReplace.h"
