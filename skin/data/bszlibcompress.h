// The compression module in one include: the zlib stream classes, their errors, and the
// CompressStream / DecompressStream routines.
#pragma once

#include "skin/data/zlib_streams.h"
