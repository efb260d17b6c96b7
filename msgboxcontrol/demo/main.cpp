// SPDX-License-Identifier: MIT
// notiva-demo: try the MsgBox control by hand.
//   notiva-demo               opens the demo window
//   notiva-demo --register    records Notiva.MsgBox and this libnotiva.so in the class registry
//   notiva-demo --unregister  removes that entry again

#include "demowindow.h"

#include "notiva/notiva.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int reportRegistration(const char* what, NotivaResult result) {
    std::fprintf(result == NOTIVA_S_OK ? stdout : stderr, "%s: %s (0x%08X)\n", what,
                 result == NOTIVA_S_OK ? "done" : "failed", static_cast<unsigned>(result));
    return result == NOTIVA_S_OK ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"notiva-demo"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Tries the Notiva MsgBox control."_s);
    parser.addHelpOption();
    const QCommandLineOption registerOption(u"register"_s, u"Register Notiva.MsgBox in the class registry."_s);
    const QCommandLineOption unregisterOption(u"unregister"_s, u"Remove Notiva.MsgBox from the class registry."_s);
    parser.addOption(registerOption);
    parser.addOption(unregisterOption);
    parser.process(app);

    if (parser.isSet(registerOption))
        return reportRegistration("DllRegisterServer", DllRegisterServer());
    if (parser.isSet(unregisterOption))
        return reportRegistration("DllUnregisterServer", DllUnregisterServer());

    DemoWindow window;
    window.show();
    return app.exec();
}
