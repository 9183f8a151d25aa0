#pragma once

#include <QLocale>
#include <QString>

// Switches the default QLocale for one test and restores it afterwards.
class TLocaleScope
{
public:
    explicit TLocaleScope(const QString &decimalSeparator)
        : FPrevious(QLocale())
    {
        QLocale::setDefault(decimalSeparator == QLatin1String(",")
                                ? QLocale(QLocale::Slovenian, QLocale::Slovenia)
                                : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~TLocaleScope() { QLocale::setDefault(FPrevious); }

private:
    QLocale FPrevious;
};
