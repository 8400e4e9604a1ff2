// The archive reader of Linux and the other POSIX systems: libmspack, whose
// every file access goes through our own mspack_system, so that the cabinets
// are opened through openFile and the extracted bytes go to memory.

#include <mspack.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "CabinetDirectory.h"
#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"

namespace tembrix {

namespace {

// The name under which the library opens its output: every write to it lands
// in the system's buffer. No file of that name is ever opened.
constexpr const char* kMemoryOutput = "\x01memory";

struct MemorySystem;

struct Handle {
    std::FILE* file = nullptr;  // an input
    std::string* out = nullptr; // or the memory output
    MemorySystem* system = nullptr;
};

// The library's view of the machine. What went wrong last is kept, so that a
// failure can name the cabinet that was being read and the system's reason.
struct MemorySystem {
    mspack_system base{};
    std::string output;
    bool discard = false;
    std::uint64_t written = 0;
    std::string lastInput;
    std::string openError;
};

MemorySystem& systemOf(mspack_system* self) {
    return *reinterpret_cast<MemorySystem*>(self);
}

mspack_file* openHandle(mspack_system* self, const char* name, int mode) {
    MemorySystem& system = systemOf(self);
    auto handle = std::make_unique<Handle>();
    handle->system = &system;
    if (mode == MSPACK_SYS_OPEN_WRITE && std::strcmp(name, kMemoryOutput) == 0) {
        system.output.clear();
        system.written = 0;
        handle->out = &system.output;
    } else if (mode == MSPACK_SYS_OPEN_READ) {
        handle->file = openFile(nativePath(name), "rb");
        if (!handle->file) {
            system.openError = std::strerror(errno);
            return nullptr;
        }
        system.lastInput = name;
    } else {
        // Never a file on disk for writing, nor an update.
        return nullptr;
    }
    return reinterpret_cast<mspack_file*>(handle.release());
}

Handle& handleOf(mspack_file* file) {
    return *reinterpret_cast<Handle*>(file);
}

void closeHandle(mspack_file* file) {
    Handle* handle = &handleOf(file);
    if (handle->file)
        std::fclose(handle->file);
    delete handle;
}

int readHandle(mspack_file* file, void* buffer, int bytes) {
    Handle& handle = handleOf(file);
    if (!handle.file || bytes < 0)
        return -1;
    const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(bytes), handle.file);
    if (got == 0 && std::ferror(handle.file))
        return -1;
    return static_cast<int>(got);
}

int writeHandle(mspack_file* file, void* buffer, int bytes) {
    Handle& handle = handleOf(file);
    if (!handle.out || bytes < 0)
        return -1;
    MemorySystem& state = *handle.system;
    state.written += static_cast<std::uint64_t>(bytes);
    if (!state.discard)
        handle.out->append(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
    return bytes;
}

int seekHandle(mspack_file* file, off_t offset, int mode) {
    Handle& handle = handleOf(file);
    if (!handle.file)
        return -1;
    const int whence = mode == MSPACK_SYS_SEEK_START ? SEEK_SET
                       : mode == MSPACK_SYS_SEEK_CUR ? SEEK_CUR
                                                     : SEEK_END;
    return fseeko(handle.file, offset, whence) == 0 ? 0 : -1;
}

off_t tellHandle(mspack_file* file) {
    Handle& handle = handleOf(file);
    return handle.file ? ftello(handle.file) : static_cast<off_t>(handle.system->written);
}

void* allocate(mspack_system*, std::size_t bytes) {
    return std::malloc(bytes);
}

void release(void* pointer) {
    std::free(pointer);
}

void copyBytes(void* from, void* to, std::size_t bytes) {
    std::memmove(to, from, bytes);
}

// The library's warnings go nowhere: its error codes, in words, say enough.
void ignoreMessage(mspack_file*, const char*, ...) {}

class System {
public:
    System() {
        m_system.base.open = &openHandle;
        m_system.base.close = &closeHandle;
        m_system.base.read = &readHandle;
        m_system.base.write = &writeHandle;
        m_system.base.seek = &seekHandle;
        m_system.base.tell = &tellHandle;
        m_system.base.message = &ignoreMessage;
        m_system.base.alloc = &allocate;
        m_system.base.free = &release;
        m_system.base.copy = &copyBytes;
    }
    System(const System&) = delete;
    System& operator=(const System&) = delete;

    mspack_system* get() { return &m_system.base; }
    MemorySystem& state() { return m_system; }

private:
    MemorySystem m_system;
};

// What a layout error means while a file is being expanded: its data ran out
// or went astray.
constexpr int kShortData = -1;

// The library's error code, in words, for the file at `path`.
std::string reason(const std::string& path, int error, const MemorySystem& state,
                   const char* kind) {
    std::string words;
    switch (error) {
    case MSPACK_ERR_OPEN:
        words = "cannot be opened" + (state.openError.empty() ? "" : " (" + state.openError + ")");
        break;
    case MSPACK_ERR_READ:
    case MSPACK_ERR_SEEK:
        words = "cannot be read";
        break;
    case MSPACK_ERR_NOMEMORY:
        words = "needs more memory than there is";
        break;
    case MSPACK_ERR_SIGNATURE:
        words = std::string("is no ") + kind;
        break;
    case MSPACK_ERR_DATAFORMAT:
        words = std::string("is damaged: its ") + kind + "'s layout is not valid";
        break;
    case kShortData:
        words = "is damaged: its data does not hold what its directory says";
        break;
    case MSPACK_ERR_CHECKSUM:
        words = "is damaged: a block of its data fails its checksum";
        break;
    case MSPACK_ERR_DECRUNCH:
        words = "is damaged: its compressed data cannot be expanded";
        break;
    default:
        words = "cannot be read (error " + std::to_string(error) + ")";
        break;
    }
    return path + ": " + words;
}

using CabDecompressor =
    std::unique_ptr<mscab_decompressor, decltype(&mspack_destroy_cab_decompressor)>;

CabDecompressor cabDecompressor(System& system) {
    CabDecompressor d(mspack_create_cab_decompressor(system.get()),
                      &mspack_destroy_cab_decompressor);
    if (d) {
        // Never take a damaged block for good: the checksums are checked, and
        // a broken MSZIP stream is an error, not a repair.
        d->set_param(d.get(), MSCABD_PARAM_SALVAGE, 0);
        d->set_param(d.get(), MSCABD_PARAM_FIXMSZIP, 0);
    }
    return d;
}

// The cabinets of one set, opened and linked; closing the first closes all.
class CabinetSet {
public:
    explicit CabinetSet(mscab_decompressor* d) : m_d(d) {}
    ~CabinetSet() {
        if (m_first)
            m_d->close(m_d, m_first);
    }
    CabinetSet(const CabinetSet&) = delete;
    CabinetSet& operator=(const CabinetSet&) = delete;

    Status open(const std::vector<std::string>& paths, System& system) {
        mscabd_cabinet* last = nullptr;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const std::string& path = paths[i];
            mscabd_cabinet* cabinet = m_d->open(m_d, path.c_str());
            if (!cabinet)
                return Status::failure(
                    reason(path, m_d->last_error(m_d), system.state(), "cabinet"));
            // The library links any two cabinets, even of no set: only a
            // cabinet that says it goes on, and one of the same set that says
            // it comes after one, are linked.
            if (!last) {
                m_first = cabinet;
            } else if (!(last->flags & MSCAB_HDR_NEXTCAB) ||
                       !(cabinet->flags & MSCAB_HDR_PREVCAB) || last->set_id != cabinet->set_id ||
                       m_d->append(m_d, last, cabinet) != MSPACK_ERR_OK) {
                m_d->close(m_d, cabinet);
                return Status::failure(path + ": is not the cabinet that follows " + paths[i - 1] +
                                       " in its set");
            }
            last = cabinet;
            m_last = cabinet;
        }
        return Status::success();
    }
    mscabd_cabinet* first() const { return m_first; }
    mscabd_cabinet* last() const { return m_last; }

private:
    mscab_decompressor* m_d;
    mscabd_cabinet* m_first = nullptr;
    mscabd_cabinet* m_last = nullptr;
};

// The folders of a set that go on into a cabinet that was not given: the
// first, when the first cabinet has one before it, and the last, when the
// last has one after it.
struct OpenEnds {
    const mscabd_folder* first = nullptr;
    std::string before;
    const mscabd_folder* last = nullptr;
    std::string after;

    explicit OpenEnds(const CabinetSet& set) {
        if ((set.first()->flags & MSCAB_HDR_PREVCAB) && set.first()->prevname) {
            first = set.first()->folders;
            before = set.first()->prevname;
        }
        if ((set.last()->flags & MSCAB_HDR_NEXTCAB) && set.last()->nextname) {
            for (last = set.first()->folders; last && last->next; last = last->next) {
            }
            after = set.last()->nextname;
        }
    }
    bool open(const mscabd_folder* folder) const {
        return folder && (folder == first || folder == last);
    }
    const std::string& missing(const mscabd_folder* folder) const {
        return folder == first ? before : after;
    }
};

// Expands one file of an opened set into `bytes`, or only checks that it
// expands when `bytes` is null.
Status extract(mscab_decompressor& d, System& system, mscabd_file* file,
               const std::string& firstCabinet, const OpenEnds& ends, std::string* bytes) {
    MemorySystem& state = system.state();
    state.discard = bytes == nullptr;
    state.output.clear();
    if (bytes)
        state.output.reserve(file->length);
    state.written = 0;
    const int error = d.extract(&d, file, kMemoryOutput);
    const std::string& cabinet = state.lastInput.empty() ? firstCabinet : state.lastInput;
    if (error != MSPACK_ERR_OK && ends.open(file->folder))
        return Status::failure(cabinet + ": " + file->filename + " cannot be read whole without " +
                               ends.missing(file->folder) + ", which was not given");
    if (error != MSPACK_ERR_OK)
        return Status::failure(
            reason(cabinet, error == MSPACK_ERR_DATAFORMAT ? kShortData : error, state, "cabinet") +
            " (in " + file->filename + ")");
    if (state.written != file->length)
        return Status::failure(cabinet + ": is damaged: " + file->filename +
                               " comes out with the wrong size");
    if (bytes)
        *bytes = std::move(state.output);
    return Status::success();
}

class MspackArchiveReader final : public ArchiveReader {
public:
    Status listCabinet(const std::string& path, CabinetListing& listing) const override {
        System system;
        CabDecompressor d = cabDecompressor(system);
        if (!d)
            return Status::failure(path + ": the cabinet reader cannot start");
        CabinetSet set(d.get());
        if (Status status = set.open({path}, system); !status)
            return status;
        const mscabd_cabinet* cabinet = set.first();
        listing = {};
        for (const mscabd_file* file = cabinet->files; file; file = file->next)
            listing.files.push_back({file->filename, file->length, false, false});
        if (const auto directory = cabinetDirectory(path);
            directory && directory->files.size() == listing.files.size()) {
            for (std::size_t i = 0; i < listing.files.size(); ++i) {
                listing.files[i].fromPrevious = directory->files[i].fromPrevious;
                listing.files[i].intoNext = directory->files[i].intoNext;
            }
        }
        if ((cabinet->flags & MSCAB_HDR_NEXTCAB) && cabinet->nextname)
            listing.nextCabinet = cabinet->nextname;
        if ((cabinet->flags & MSCAB_HDR_PREVCAB) && cabinet->prevname)
            listing.previousCabinet = cabinet->prevname;
        return Status::success();
    }

    Status extractFromCabinets(
        const std::vector<std::string>& cabinets, const std::vector<std::string>& names,
        const std::function<Status(std::string_view, std::string&&)>& onFile) const override {
        if (cabinets.empty())
            return Status::failure("no cabinet to read");
        System system;
        CabDecompressor d = cabDecompressor(system);
        if (!d)
            return Status::failure(cabinets.front() + ": the cabinet reader cannot start");
        CabinetSet set(d.get());
        if (Status status = set.open(cabinets, system); !status)
            return status;

        // The wanted files in the order of their data, so that the library
        // goes on from where the last one ended instead of starting its folder
        // again for each.
        std::map<const mscabd_folder*, int> folderOrder;
        for (const mscabd_folder* folder = set.first()->folders; folder; folder = folder->next)
            folderOrder.emplace(folder, static_cast<int>(folderOrder.size()));
        std::map<const mscabd_folder*, mscabd_file*> lastOfFolder;
        std::vector<mscabd_file*> wanted;
        std::vector<bool> taken(names.size(), false);
        for (mscabd_file* file = set.first()->files; file; file = file->next) {
            mscabd_file*& last = lastOfFolder[file->folder];
            if (!last || file->offset + file->length >= last->offset + last->length)
                last = file;
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (!taken[i] && equalsIgnoringCase(names[i], file->filename)) {
                    taken[i] = true;
                    wanted.push_back(file);
                    break;
                }
            }
        }
        std::stable_sort(wanted.begin(), wanted.end(), [&](const auto* a, const auto* b) {
            const int folderA = folderOrder[a->folder];
            const int folderB = folderOrder[b->folder];
            return folderA != folderB ? folderA < folderB : a->offset < b->offset;
        });

        // A cabinet may carry no checksums, and MSZIP has none of its own: a
        // damaged block can then expand to wrong bytes without a word, and only
        // the data after it goes astray. So a folder is expanded to its end
        // before any of its files is handed on.
        const OpenEnds ends(set);
        std::vector<std::pair<std::string, std::string>> pending;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            mscabd_file* file = wanted[i];
            std::string bytes;
            if (Status status = extract(*d, system, file, cabinets.front(), ends, &bytes); !status)
                return status;
            pending.emplace_back(file->filename, std::move(bytes));
            if (i + 1 < wanted.size() && wanted[i + 1]->folder == file->folder)
                continue;
            // A folder that goes on into a cabinet not given cannot be
            // expanded to its end; its whole files still come out.
            if (mscabd_file* last = lastOfFolder[file->folder];
                last != file && !ends.open(file->folder)) {
                if (Status status = extract(*d, system, last, cabinets.front(), ends, nullptr);
                    !status)
                    return status;
            }
            for (auto& [name, content] : pending) {
                if (Status status = onFile(name, std::move(content)); !status)
                    return status;
            }
            pending.clear();
        }
        return Status::success();
    }

    Status expandCompressedFile(const std::string& path, std::string& bytes) const override {
        System system;
        std::unique_ptr<msszdd_decompressor, decltype(&mspack_destroy_szdd_decompressor)> d(
            mspack_create_szdd_decompressor(system.get()), &mspack_destroy_szdd_decompressor);
        if (!d)
            return Status::failure(path + ": the reader of compressed files cannot start");
        MemorySystem& state = system.state();
        msszddd_header* header = d->open(d.get(), path.c_str());
        if (!header)
            return Status::failure(reason(path, d->last_error(d.get()), state, "compressed file"));
        const int error = d->extract(d.get(), header, kMemoryOutput);
        const off_t length = header->length;
        d->close(d.get(), header);
        if (error != MSPACK_ERR_OK)
            return Status::failure(reason(path, error, state, "compressed file"));
        // The format has no checksum: its stated length is the one check of a
        // cut or damaged file.
        if (static_cast<off_t>(state.output.size()) != length)
            return Status::failure(path + ": is damaged or cut short: it expands to " +
                                   std::to_string(state.output.size()) + " bytes instead of " +
                                   std::to_string(length));
        bytes = std::move(state.output);
        return Status::success();
    }
};

} // namespace

std::unique_ptr<ArchiveReader> createSystemArchiveReader() {
    return std::make_unique<MspackArchiveReader>();
}

} // namespace tembrix
