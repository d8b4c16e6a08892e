#include "support/toolrun.h"

#include "document/imagecodec.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace bw::test {

QString ToolPath() {
    return QStringLiteral(BRETTWERK_TOOL);
}

ToolRun RunTool(const QStringList& args, const QByteArray& input, const QProcessEnvironment& env) {
    QProcess p;
    if (!env.isEmpty()) p.setProcessEnvironment(env);
    p.start(ToolPath(), args);
    p.write(input);
    p.closeWriteChannel();
    ToolRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
    } else if (p.exitStatus() == QProcess::NormalExit) {
        r.status = p.exitCode();
    }
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    r.json = QJsonDocument::fromJson(r.out).object();
    return r;
}

QByteArray SolvingMoves(const QJsonObject& run) {
    QByteArray moves;
    for (const auto& e : run[QStringLiteral("Order")].toArray()) {
        const QByteArray card = QByteArray::number(e.toObject()[QStringLiteral("Card")].toInt());
        moves += "drop " + card + ' ' + card + '\n';
    }
    return moves;
}

QImage ReadPng(const QString& path) {
    QFile f(path);
    QImage img;
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = f.readAll();
        DecodePng(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), img);
    }
    return img;
}

} // namespace bw::test
