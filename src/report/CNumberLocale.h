#pragma once

#include <clocale>
#include <locale.h>

// While it lives, this thread's C library reads and writes numbers as the C locale
// does ("0.5", not "0,5"), whatever locale the application set from the
// environment. For libraries that format numbers with printf into files whose
// format fixes the point (a workbook's XML); Qt's own formatting is not touched.
class TCNumberLocale
{
public:
    TCNumberLocale() : FC(newlocale(LC_ALL_MASK, "C", locale_t(nullptr)))
    {
        if (FC)
            FPrevious = uselocale(FC);
    }
    ~TCNumberLocale()
    {
        if (FC) {
            uselocale(FPrevious);
            freelocale(FC);
        }
    }
    TCNumberLocale(const TCNumberLocale &) = delete;
    TCNumberLocale &operator=(const TCNumberLocale &) = delete;

private:
    locale_t FC;
    locale_t FPrevious = LC_GLOBAL_LOCALE;
};
