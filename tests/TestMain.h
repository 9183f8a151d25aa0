#pragma once

#include <QCoreApplication>
#include <QMetaMethod>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <langinfo.h>
#include <locale.h>

// The C library's decimal point of a locale, or "" when the machine does not have it.
inline QByteArray LocaleDecimalPoint(const char *name)
{
    const locale_t locale = newlocale(LC_ALL_MASK, name, locale_t(nullptr));
    if (!locale)
        return QByteArray();
    const QByteArray point(nl_langinfo_l(RADIXCHAR, locale));
    freelocale(locale);
    return point;
}

// Qt Test stops the whole program when a test function throws. Here each test
// function runs in a run of its own, so that one that throws fails alone and the
// others still run. Arguments (a function name, -o, ...) go to Qt Test unchanged.
inline int RunEachTestFunction(QObject *test, int argc, char **argv)
{
    // A run meant for a locale the machine lacks would quietly run in C.
    if (const char *wanted = std::getenv("LC_ALL"); wanted && *wanted && LocaleDecimalPoint(wanted).isEmpty()) {
        std::fprintf(stderr, "FAIL!  : LC_ALL=%s, but that locale is not available (LOCPATH=%s)\n", wanted,
                     std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "");
        return 1;
    }
    if (argc > 1)
        return QTest::qExec(test, argc, argv);
    const QMetaObject *meta = test->metaObject();
    QList<QByteArray> names;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QByteArray name = method.name();
        if (method.methodType() != QMetaMethod::Slot || method.access() != QMetaMethod::Private
            || method.parameterCount() != 0 || name.endsWith("_data") || name == "init" || name == "cleanup"
            || name == "initTestCase" || name == "cleanupTestCase")
            continue;
        names << name;
    }
    int failed = 0;
    for (const QByteArray &name : names) {
        QByteArray program(argv[0]);
        QByteArray function = name;
        char *arguments[] = {program.data(), function.data(), nullptr};
        try {
            failed += QTest::qExec(test, 2, arguments) != 0 ? 1 : 0;
        } catch (const std::exception &e) {
            std::fprintf(stderr, "FAIL!  : %s() threw: %s\n", name.constData(), e.what());
            ++failed;
        } catch (...) {
            std::fprintf(stderr, "FAIL!  : %s() threw\n", name.constData());
            ++failed;
        }
    }
    std::printf("Functions: %lld passed, %d failed\n", qlonglong(names.size() - failed), failed);
    return failed == 0 ? 0 : 1;
}

#define KALVO_TEST_GUILESS_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        QCoreApplication app(argc, argv); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return RunEachTestFunction(&tc, argc, argv); \
    }

#ifdef QT_WIDGETS_LIB
#include "ui/common/KalvoApplication.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
// The windows are tested in the program's own application object (font,
// translations, the exception boundary).
#define KALVO_TEST_MAIN(TestObject) \
    int main(int argc, char *argv[]) \
    { \
        QTemporaryDir settings; /* the user's own settings (the language) stay out of the tests */ \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path()); \
        TKalvoApplication app(argc, argv); \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return RunEachTestFunction(&tc, argc, argv); \
    }
#endif
