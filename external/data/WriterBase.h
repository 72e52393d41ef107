#pragma once

// Something that writes its data to a file.
class CWriterBase
{
public:
    virtual ~CWriterBase() = default;
    // True when the file was written whole.
    virtual bool store() = 0;
};
