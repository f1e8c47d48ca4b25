#include "settings/SettingsFile.h"

#include "app/ZolvenarMainForm.h"

SettingsFile::SettingsFile(ZolvenarMainForm &form)
    : form(form)
{
}

void SettingsFile::resetCharacterSettings()
{
}

void SettingsFile::loadSettings()
{
}

void SettingsFile::saveSettings()
{
}

void SettingsFile::resetClick()
{
}
