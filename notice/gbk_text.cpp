#include "notice/gbk_text.h"

#include <QByteArray>
#include <QStringDecoder>

std::optional<QString> DecodeGbk(QByteArrayView bytes)
{
    // Qt reaches code page 936 through ICU.
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return std::nullopt;
    // The decoder keeps a lead byte cut off at the end for bytes that never
    // come. A line feed after it shows it as U+FFFD and is taken off again.
    QString text = decoder.decode(bytes.toByteArray() + '\n');
    text.chop(1);
    return text;
}
