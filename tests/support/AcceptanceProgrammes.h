#pragma once
// The three acceptance programmes (programmes/programmes.json): the figures a
// user enters and every caption, visibility flag and public value that the
// result screens show for them, worked out by an independent model.

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <vector>

namespace acceptance {

struct Programme {
    QString name;
    QJsonObject figures;  // NoFem, PerFem, test, ngz, confirm, PerReturn, ...
    QJsonObject screens;  // "Form.control" -> caption, "Form.control.Visible", "Form.value"
};

inline std::vector<Programme> programmes()
{
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/programmes/programmes.json"));
    std::vector<Programme> result;
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QJsonValue& entry : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject figures = entry[QStringLiteral("programme")].toObject();
        result.push_back({figures[QStringLiteral("name")].toString(), figures,
                          entry[QStringLiteral("screens")].toObject()});
    }
    return result;
}

} // namespace acceptance
