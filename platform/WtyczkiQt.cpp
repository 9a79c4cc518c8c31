#include "platform/WtyczkiQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

std::vector<std::string> WtyczkiPlatform()
{
    QStringList foldery;
    for (const QString& folder : QCoreApplication::libraryPaths())
        foldery << folder + QStringLiteral("/platforms");
    if (const QString wlasny = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !wlasny.isEmpty())
        foldery << wlasny;
    std::vector<std::string> klucze;
    for (const QString& folder : foldery)
        for (const QFileInfo& plik : QDir(folder).entryInfoList(QDir::Files)) {
            // The plugin's description only: nothing is loaded.
            const QJsonObject opis = QPluginLoader(plik.absoluteFilePath()).metaData();
            if (!opis.value(QStringLiteral("IID"))
                     .toString()
                     .contains(QStringLiteral("QPlatformIntegrationFactoryInterface")))
                continue;
            for (const QJsonValue klucz :
                 opis.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray())
                klucze.push_back(klucz.toString().toLower().toStdString());
        }
    return klucze;
}
