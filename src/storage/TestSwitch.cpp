#include "storage/TestSwitch.h"

#include "storage/ConfigPaths.h"
#include "storage/FileIo.h"
#include "storage/TokenScanner.h"

namespace varko {

bool readTestSwitch() {
    const std::optional<QByteArray> text = readSmallFile(testSwitchFilePath());
    if (!text)
        return false;
    TokenScanner scanner(*text);
    while (const std::optional<QByteArrayView> token = scanner.nextToken())
        if (*token == QByteArrayView("PROBE_ALLOW"))
            return true;
    return false;
}

} // namespace varko
