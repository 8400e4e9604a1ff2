#include "tembrix/platform/ArchiveReader.h"

namespace tembrix {

namespace {

// Until a library reads them, every archive is reported as unreadable, so
// that nothing is taken for extracted.
class NoArchiveReader final : public ArchiveReader {
public:
    Status listCabinet(const std::string& path, CabinetListing&) const override {
        return Status::failure(path + ": cabinets cannot be read by this build");
    }
    Status extractFromCabinets(
        const std::vector<std::string>& cabinets, const std::vector<std::string>&,
        const std::function<Status(std::string_view, std::string&&)>&) const override {
        return Status::failure((cabinets.empty() ? std::string() : cabinets.front()) +
                               ": cabinets cannot be read by this build");
    }
    Status expandCompressedFile(const std::string& path, std::string&) const override {
        return Status::failure(path + ": compressed files cannot be read by this build");
    }
};

} // namespace

std::unique_ptr<ArchiveReader> createSystemArchiveReader() {
    return std::make_unique<NoArchiveReader>();
}

} // namespace tembrix
