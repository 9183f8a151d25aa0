#pragma once

#include <QString>

// Sets one key of an INI file and leaves every other byte of it as it was; the
// file is created when missing. The value is written in Windows-1250.
void WriteIniKey(const QString &path, const QString &section, const QString &key, const QString &value);

// The settings file "Kalvo.ini": section GENERAL, key PROJECT.
void WriteSettingsFile(const QString &path, const QString &projectFileName);
