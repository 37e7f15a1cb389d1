// L_Write: replaces a file with a prepared text, atomically.

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"
#include "toolkit/clb_report.h"
#include "toolkit/cp932.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

int32_t CLB_C1::L_Write(const QString& File_Name, const QString& Out_rec) {
  return RunReported(host_, kLWriteReport, [&] {
    // Encode first: a character the code page cannot hold must not turn into other bytes.
    qsizetype bad = 0;
    const std::optional<QByteArray> bytes = cp932::Encode(Out_rec, &bad);
    if (!bytes) {
      const QString character = Out_rec.mid(bad, Out_rec[bad].isHighSurrogate() ? 2 : 1);
      throw ClbError(kErrInvalidCall, u"コードページ 932 で書けない文字があります: "_s + character +
                                          u" (位置 "_s + QString::number(bad + 1) + u")"_s);
    }
    const QString path = PlatformPath(File_Name);
    if (path.isEmpty()) throw ClbError(ENOENT, QString::fromLocal8Bit(std::strerror(ENOENT)));
    if (QFileInfo(path).isDir()) throw ClbError(EISDIR, QString::fromLocal8Bit(std::strerror(EISDIR)));
    // The new content goes to a temporary file beside the target and replaces it only
    // once it is complete; on any failure the old file stays as it was.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
      const int number = errno != 0 ? errno : static_cast<int>(file.error());
      throw ClbError(number, file.errorString());
    }
    if (file.write(*bytes) != bytes->size() || !file.commit()) {
      const int number = errno != 0 ? errno : static_cast<int>(file.error());
      const QString description = file.errorString();
      file.cancelWriting();
      throw ClbError(number, description);
    }
    return 1;
  });
}

}  // namespace rdx508
