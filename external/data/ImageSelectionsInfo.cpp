#include "external/data/ImageSelectionsInfo.h"

// The absolute path is derived from the relative one and the working
// directory at the time; two records choosing the same picture are equal.
bool CImageSelectionsInfo::operator==(const CImageSelectionsInfo& other) const
{
    return m_label == other.m_label && m_relativePath == other.m_relativePath;
}
