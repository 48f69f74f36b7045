// The two windows the program's start is measured against: an empty Qt window
// ("empty") and a bare one with a label and a button ("label").
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    if (argc > 1 && std::strcmp(argv[1], "label") == 0) {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Интерактивный режим")));
        layout->addWidget(new QPushButton(QStringLiteral("Пропустить заставку...")));
    }
    window.resize(388, 241);
    window.show();
    return app.exec();
}
