#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quelvar is being built."));
    window.setWindowTitle(QStringLiteral("Quelvar"));
    window.resize(360, 120);
    window.show();
    return app.exec();
}
