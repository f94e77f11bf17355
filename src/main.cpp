#include "launcher/Form1.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel placeholder("Parolix");
    placeholder.show();
    return app.exec();
}
