#pragma once
// Standard output or error of varko-cli as the device under a command's QTextStream. Each flush
// reaches the system as one piece (a GrowingFile), so a line cut short by a full disk is taken
// back; the first write the system refuses is kept, and nothing after it is written, so the
// output stays a clean beginning and the program can exit naming the reason.

#include "storage/GrowingFile.h"

#include <QIODevice>

namespace varko::cli {

class StandardStream final : public QIODevice {
public:
    // 1 for standard output, 2 for standard error; the descriptor stays open.
    explicit StandardStream(int descriptor);

    // The system's words for the first refused write; empty while all went through.
    QString failure() const { return failure_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    GrowingFile file_;
    QString failure_;
};

} // namespace varko::cli
