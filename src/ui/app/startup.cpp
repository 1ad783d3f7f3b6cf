#include "startup.h"

#include <QLibraryInfo>
#include <QTranslator>

QString translationArgument(const QStringList& arguments) {
    const QString qm = QStringLiteral(".qm");
    if (arguments.size() > 2 && arguments.at(2).contains(qm))
        return arguments.at(2);
    if (arguments.size() > 1 && arguments.at(1).contains(qm))
        return arguments.at(1);
    return {};
}

bool qtDeutschLaden(QTranslator& translator) {
    return translator.load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QIcon programmIcon() {
    QIcon icon;
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(n), QSize(n, n));
    return icon;
}
