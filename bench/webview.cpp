// The yardstick for the first paper: a Qt program that, on a click on its
// one button, creates a web view where the paper window shows its page and
// loads a page archive into it.
//   webview PAGE.mht X Y W H   the program (button "Load" at 150,120 in
//                              its 400 x 300 window)
//   webview --rect             where the paper window puts its page view on
//                              this screen: "X Y W H"
#include "PaperLayout.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QLatin1String("--rect")) {
        const QRect window = Module5::PaperStartGeometry(QGuiApplication::primaryScreen()->geometry());
        const QRect page =
            Module5::LayoutPaper(window.size(), true).browser.translated(window.topLeft());
        std::printf("%d %d %d %d\n", page.x(), page.y(), page.width(), page.height());
        return 0;
    }
    if (args.size() < 6) {
        std::fprintf(stderr, "usage: webview PAGE.mht X Y W H | webview --rect\n");
        return 2;
    }
    const QString page = args.at(1);
    const QRect rect(args.at(2).toInt(), args.at(3).toInt(), args.at(4).toInt(),
                     args.at(5).toInt());

    QWidget window;
    window.setWindowTitle(QStringLiteral("webview"));
    window.setGeometry(0, 0, 400, 300);
    QPushButton load(QStringLiteral("Load"), &window);
    load.setGeometry(150, 120, 100, 40);
    QObject::connect(&load, &QPushButton::clicked, [&] {
        auto *view = new QWebEngineView;
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->setGeometry(rect);
        view->show();
        view->load(QUrl::fromLocalFile(page));
    });
    window.show();
    return app.exec();
}
