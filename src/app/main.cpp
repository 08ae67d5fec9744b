// Kvarnel: the desktop program.
#include "data/privateserver.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvarnel 6"));

    PrivateServer server;
    if (!server.start()) {
        QMessageBox::critical(nullptr, QStringLiteral("FEIL"), server.error());
        return 1;
    }
    PrivateServerClient client(server);

    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Kvarnel 6"));
    auto* label = new QLabel(QStringLiteral("Databaseserveren kjører: %1").arg(server.socketPath()));
    label->setMargin(24);
    w.setCentralWidget(label);
    w.show();
    return app.exec();
}
