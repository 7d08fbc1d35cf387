#include "RecordReader.h"

#include <vector>

bool forEachRecord(QFile &file, int recordLength, const std::function<void(qint64, const char *)> &visit)
{
    const qint64 count = recordCountForLength(file.size(), recordLength);
    std::vector<char> record(static_cast<std::size_t>(recordLength));
    for (qint64 number = 1; number <= count; ++number) {
        const qint64 got = file.read(record.data(), recordLength);
        if (got < 0)
            return false;
        std::fill(record.begin() + got, record.end(), '\0');
        visit(number, record.data());
    }
    return true;
}
