// Writes the MLD stream that the dictionary tests build into their program as the resource
// "MlDictionary".
#include "DictBuilder.h"

#include <QFile>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    return file.write(Mld(3, true, true, ResourceRows())) > 0 ? 0 : 1;
}
