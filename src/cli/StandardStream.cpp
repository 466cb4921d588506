#include "cli/StandardStream.h"

namespace varko::cli {

StandardStream::StandardStream(int descriptor) {
    file_.attach(descriptor);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardStream::writeData(const char* data, qint64 size) {
    if (!failure_.isEmpty())
        return -1;
    if (file_.append(QByteArrayView(data, size)))
        return size;
    failure_ = file_.errorString();
    return -1;
}

} // namespace varko::cli
