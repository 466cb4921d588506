#include "link/LiveLogLoader.h"

namespace varko {

LiveLogLoader::LiveLogLoader(const QString& path)
    : path_(path), thread_([this] {
          result_ = readLiveLogFile(path_, &progress_);
          done_.store(true, std::memory_order_release);
      }) {}

LiveLogLoader::~LiveLogLoader() {
    progress_.cancelled = true;
    if (thread_.joinable())
        thread_.join();
}

double LiveLogLoader::progress() const {
    const qint64 total = progress_.totalBytes;
    return total > 0 ? std::min(1.0, double(progress_.bytesRead) / double(total)) : 0.0;
}

LiveLogFile LiveLogLoader::take() {
    if (thread_.joinable())
        thread_.join();
    return std::move(result_);
}

} // namespace varko
