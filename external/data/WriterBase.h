#pragma once

#include "external/data/EvalonDataExport.h"

/// Something that writes its data to a file.
class EVALON_DATA_EXPORT CWriterBase
{
public:
    virtual ~CWriterBase() = default;
    /// True when the file was written whole.
    virtual bool store() = 0;
};
