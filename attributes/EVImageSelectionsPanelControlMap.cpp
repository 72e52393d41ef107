#include "attributes/EVImageSelectionsPanelControlMap.h"

CEVImageSelectionsPanelControlMap::CEVImageSelectionsPanelControlMap()
{
    zeroInit();
}

CEVImageSelectionsPanelControlMap::CEVImageSelectionsPanelControlMap(wxStaticText* label, wxTextCtrl* pathBox,
                                                                     wxButton* browseButton,
                                                                     CEVImageSelections::imageID imageID)
    : m_label(label), m_pathBox(pathBox), m_browseButton(browseButton), m_imageID(imageID)
{
}

void CEVImageSelectionsPanelControlMap::zeroInit()
{
    m_label = nullptr;
    m_pathBox = nullptr;
    m_browseButton = nullptr;
    m_imageID = CEVImageSelections::eNoImage;
}

void CEVImageSelectionsPanelControlMap::operator=(const CEVImageSelectionsPanelControlMap& other)
{
    m_label = other.m_label;
    m_pathBox = other.m_pathBox;
    m_browseButton = other.m_browseButton;
    m_imageID = other.m_imageID;
}
