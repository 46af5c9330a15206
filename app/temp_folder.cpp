#include "app/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool MayDelete(const QFileInfo& file) {
    return file.isFile() && !file.isSymLink() && !file.isHidden() &&
           !file.fileName().startsWith(QLatin1Char('.')) && file.permission(QFile::WriteOwner);
}

} // namespace

int CleanTempFiles(const QString& folder) {
    const QDir dir(folder);
    int deleted = 0;
    for (const QString& pattern : {QStringLiteral("pdf_*.pdf"), QStringLiteral("xls_*.xls")}) {
        const QFileInfoList files =
            dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        int attempts = 0;
        for (const QFileInfo& file : files) {
            if (attempts == TempDeletionsPerPattern) break;
            if (!MayDelete(file)) continue;
            ++attempts;
            if (QFile::remove(file.absoluteFilePath())) ++deleted;
        }
    }
    return deleted;
}
