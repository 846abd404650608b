#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>

// The widgets need an application object for the whole run. The tests need
// no display: unless told otherwise they run on the offscreen platform, also
// when CTest only asks the program for the list of its tests.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // The offscreen platform on Windows knows only the fonts of one folder
    // (QT_QPA_FONTDIR). Wine passes on no QT_ variable, so the folder comes
    // as QUILLROUTE_TEST_FONTS.
    if (qEnvironmentVariableIsSet("QUILLROUTE_TEST_FONTS"))
        qputenv("QT_QPA_FONTDIR", qgetenv("QUILLROUTE_TEST_FONTS"));
#endif
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    // Its default face and the faces the printed list asks for are none of
    // them: the Liberation faces stand in, with the metrics of the faces
    // every Windows desktop has, as they do on Linux.
    const QString faces[][2] = {{QApplication::font().family(), "Liberation Sans"},
                                {"Arial", "Liberation Sans"},
                                {"Times New Roman", "Liberation Serif"},
                                {"Courier New", "Liberation Mono"}};
    for (const auto& [asked, standIn] : faces)
        if (QFontDatabase::hasFamily(standIn)) QFont::insertSubstitution(asked, standIn);
#endif
    return RUN_ALL_TESTS();
}
