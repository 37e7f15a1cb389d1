// L_Write: replaces a file with a prepared text, atomically.

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

int32_t CLB_C1::L_Write(const QString& File_Name, const QString& Out_rec) {
  const QString label = u"(関数 L_Write)"_s;
  try {
    // Encode first: a character the code page cannot hold must not turn into other bytes.
    qsizetype bad = 0;
    const std::optional<QByteArray> bytes = EncodeCp932(Out_rec, &bad);
    if (!bytes) {
      const QString character = Out_rec.mid(bad, Out_rec[bad].isHighSurrogate() ? 2 : 1);
      showError(label, kErrInvalidCall,
                u"コードページ 932 で書けない文字があります: "_s + character + u" (位置 "_s +
                    QString::number(bad + 1) + u")"_s);
      return -1;
    }
    const QString path = PlatformPath(File_Name);
    if (path.isEmpty()) {
      showError(label, ENOENT, QString::fromLocal8Bit(std::strerror(ENOENT)));
      return -1;
    }
    if (QFileInfo(path).isDir()) {
      showError(label, EISDIR, QString::fromLocal8Bit(std::strerror(EISDIR)));
      return -1;
    }
    // The new content goes to a temporary file beside the target and replaces it only
    // once it is complete; on any failure the old file stays as it was.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
      const int number = errno != 0 ? errno : static_cast<int>(file.error());
      showError(label, number, file.errorString());
      return -1;
    }
    if (file.write(*bytes) != bytes->size() || !file.commit()) {
      const int number = errno != 0 ? errno : static_cast<int>(file.error());
      const QString description = file.errorString();
      file.cancelWriting();
      showError(label, number, description);
      return -1;
    }
    return 1;
  } catch (const std::exception& error) {
    showError(label, kErrOutOfMemory, QString::fromLocal8Bit(error.what()));
    return -1;
  }
}

}  // namespace rdx508
