// The archive reader of Windows: the system's own cabinet.dll (FDI) for
// cabinets and lz32.dll for the files compressed one by one. Every file is
// opened by its wide name, and the extracted bytes go to memory.

#include <windows.h>

#include <fdi.h>
#include <lzexpand.h>

#include <algorithm>
#include <cstring>
#include <system_error>

#include "CabinetDirectory.h"
#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"

namespace tembrix {

namespace {

struct Handle {
    HANDLE file = INVALID_HANDLE_VALUE; // an input
    std::string* out = nullptr;         // or an output in memory, or only counted
    std::uint64_t written = 0;
    std::uint64_t size = 0;
    std::string name;
};

// FDI hands its file callbacks no context: the one pass at work on this
// thread is theirs. FDI opens a cabinet by a path made of the "cabinet path"
// and the cabinet's name; ours is "*N|", N the cabinet's place in the list.
struct Pass {
    const std::vector<std::string>* cabinets = nullptr;
    const std::vector<std::string>* names = nullptr;
    std::vector<bool> taken;
    std::vector<std::pair<std::string, std::string>> done;
    std::size_t current = 0;
    std::string currentFile;
    std::string nextOfLast;               // the cabinet that the last one given names as its next
    std::vector<std::string> intoMissing; // the last one's files that go on into it
    std::string failure;                  // our own reason for aborting FDI
    std::string openError;
};
thread_local Pass* g_pass = nullptr;

std::string systemMessage(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

INT_PTR openPath(const std::string& path) {
    HANDLE file = CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (g_pass)
            g_pass->openError = systemMessage(GetLastError());
        return -1;
    }
    auto* handle = new Handle;
    handle->file = file;
    return reinterpret_cast<INT_PTR>(handle);
}

FNALLOC(allocate) {
    return std::malloc(cb);
}

FNFREE(release) {
    std::free(pv);
}

FNOPEN(openCabinet) {
    (void)oflag;
    (void)pmode;
    if (!g_pass || pszFile[0] != '*')
        return -1;
    const std::size_t index = std::strtoul(pszFile + 1, nullptr, 10);
    if (index >= g_pass->cabinets->size())
        return -1;
    return openPath((*g_pass->cabinets)[index]);
}

FNREAD(readHandle) {
    auto* handle = reinterpret_cast<Handle*>(hf);
    DWORD got = 0;
    if (handle->file == INVALID_HANDLE_VALUE || !ReadFile(handle->file, pv, cb, &got, nullptr))
        return static_cast<UINT>(-1);
    return got;
}

FNWRITE(writeHandle) {
    auto* handle = reinterpret_cast<Handle*>(hf);
    handle->written += cb;
    if (handle->out)
        handle->out->append(static_cast<const char*>(pv), cb);
    return cb;
}

FNCLOSE(closeHandle) {
    // Wine's FDI closes a cabinet that it never opened when a pass is abandoned.
    if (hf == 0 || hf == -1)
        return 0;
    auto* handle = reinterpret_cast<Handle*>(hf);
    if (handle->file != INVALID_HANDLE_VALUE)
        CloseHandle(handle->file);
    delete handle->out;
    delete handle;
    return 0;
}

FNSEEK(seekHandle) {
    auto* handle = reinterpret_cast<Handle*>(hf);
    const DWORD method = seektype == SEEK_SET   ? FILE_BEGIN
                         : seektype == SEEK_CUR ? FILE_CURRENT
                                                : FILE_END;
    const DWORD position = SetFilePointer(handle->file, dist, nullptr, method);
    return position == INVALID_SET_FILE_POINTER ? -1 : static_cast<long>(position);
}

std::string missingPart(const Pass& pass, const std::string& file, const std::string& cabinet) {
    return (*pass.cabinets)[pass.current] + ": " + file + " cannot be read whole without " +
           cabinet + ", which was not given";
}

FNFDINOTIFY(notify) {
    Pass& pass = *g_pass;
    switch (fdint) {
    case fdintCOPY_FILE: {
        // Every file is expanded, the unwanted ones only counted: a cabinet
        // without checksums shows a damaged block only in the data after it.
        const bool wanted =
            std::any_of(pass.names->begin(), pass.names->end(), [&](const std::string& name) {
                return equalsIgnoringCase(name, pfdin->psz1);
            });
        // A file that goes on into a cabinet not given is left unread unless
        // it is wanted: the whole files before it still come out.
        if (!wanted && pass.current + 1 == pass.cabinets->size() &&
            std::any_of(pass.intoMissing.begin(), pass.intoMissing.end(),
                        [&](const std::string& name) { return name == pfdin->psz1; }))
            return 0;
        auto* handle = new Handle;
        handle->name = pfdin->psz1;
        handle->size = static_cast<std::uint64_t>(pfdin->cb);
        pass.currentFile = handle->name;
        for (std::size_t i = 0; i < pass.names->size(); ++i) {
            if (!pass.taken[i] && equalsIgnoringCase((*pass.names)[i], handle->name)) {
                pass.taken[i] = true;
                handle->out = new std::string;
                handle->out->reserve(handle->size);
                break;
            }
        }
        return reinterpret_cast<INT_PTR>(handle);
    }
    case fdintCLOSE_FILE_INFO: {
        auto* handle = reinterpret_cast<Handle*>(pfdin->hf);
        const bool whole = handle->written == handle->size;
        if (whole && handle->out)
            pass.done.emplace_back(handle->name, std::move(*handle->out));
        if (!whole)
            pass.failure = pass.current + 1 == pass.cabinets->size() && !pass.nextOfLast.empty()
                               ? missingPart(pass, handle->name, pass.nextOfLast)
                               : (*pass.cabinets)[pass.current] + ": is damaged: " + handle->name +
                                     " comes out with the wrong size";
        closeHandle(pfdin->hf);
        return whole ? TRUE : -1;
    }
    case fdintNEXT_CABINET: {
        const std::size_t next = pass.current + 1;
        if (pfdin->fdie != FDIERROR_NONE) {
            pass.failure = (*pass.cabinets)[next < pass.cabinets->size() ? next : pass.current] +
                           ": is not the cabinet that follows " + (*pass.cabinets)[pass.current] +
                           " in its set";
            return -1;
        }
        if (next >= pass.cabinets->size()) {
            pass.failure = missingPart(pass, pass.currentFile, pfdin->psz1);
            return -1;
        }
        pass.current = next;
        std::snprintf(pfdin->psz3, CB_MAX_CAB_PATH, "*%u|", static_cast<unsigned>(next));
        return 0;
    }
    case fdintPARTIAL_FILE:
        // The part of a file that began in the cabinet before: read with it,
        // unless that one was not given.
        if (pass.current == 0) {
            for (std::size_t i = 0; i < pass.names->size(); ++i) {
                if (!pass.taken[i] && equalsIgnoringCase((*pass.names)[i], pfdin->psz1)) {
                    pass.failure = missingPart(pass, pfdin->psz1, pfdin->psz2);
                    return -1;
                }
            }
        }
        return 0;
    default:
        return 0;
    }
}

std::string fdiReason(const std::string& path, const ERF& erf, const Pass& pass) {
    switch (erf.erfOper) {
    case FDIERROR_CABINET_NOT_FOUND:
        return path + ": cannot be opened" +
               (pass.openError.empty() ? "" : " (" + pass.openError + ")");
    case FDIERROR_NOT_A_CABINET:
        return path + ": is no cabinet";
    case FDIERROR_UNKNOWN_CABINET_VERSION:
        return path + ": is a cabinet of a version that this system cannot read";
    case FDIERROR_CORRUPT_CABINET:
        return path + ": is damaged: a block of its data fails its checksum or its layout is "
                      "not valid";
    case FDIERROR_ALLOC_FAIL:
        return path + ": needs more memory than there is";
    case FDIERROR_BAD_COMPR_TYPE:
        return path + ": uses a compression that this system cannot read";
    case FDIERROR_MDI_FAIL:
        return path + ": is damaged: its compressed data cannot be expanded";
    case FDIERROR_RESERVE_MISMATCH:
    case FDIERROR_WRONG_CABINET:
        return path + ": is not the cabinet that follows in its set";
    default:
        return path + ": cannot be read (error " + std::to_string(erf.erfOper) + ")";
    }
}

// FDI, created for one pass and destroyed with it.
class Fdi {
public:
    Fdi()
        : m_hfdi(FDICreate(&allocate, &release, &openCabinet, &readHandle, &writeHandle,
                           &closeHandle, &seekHandle, cpuUNKNOWN, &m_erf)) {}
    ~Fdi() {
        if (m_hfdi)
            FDIDestroy(m_hfdi);
    }
    Fdi(const Fdi&) = delete;
    Fdi& operator=(const Fdi&) = delete;

    HFDI get() const { return m_hfdi; }
    ERF& error() { return m_erf; }

    // What the cabinet's header says of its set; fails naming it.
    Status inspect(const std::string& path, Pass& pass, FDICABINETINFO& info) {
        const INT_PTR handle = openPath(path);
        if (handle == -1)
            return Status::failure(path + ": cannot be opened (" + pass.openError + ")");
        const BOOL isCabinet = FDIIsCabinet(m_hfdi, handle, &info);
        closeHandle(handle);
        return isCabinet ? Status::success() : Status::failure(path + ": is no cabinet");
    }

private:
    ERF m_erf{};
    HFDI m_hfdi;
};

// Sets the pass for this thread's callbacks, and takes it away again.
class PassScope {
public:
    explicit PassScope(Pass& pass) : m_previous(g_pass) { g_pass = &pass; }
    ~PassScope() { g_pass = m_previous; }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

private:
    Pass* m_previous;
};

class WindowsArchiveReader final : public ArchiveReader {
public:
    Status listCabinet(const std::string& path, CabinetListing& listing) const override {
        Pass pass;
        PassScope scope(pass);
        Fdi fdi;
        if (!fdi.get())
            return Status::failure(path + ": the system's cabinet reader cannot start");
        FDICABINETINFO info{};
        if (Status status = fdi.inspect(path, pass, info); !status)
            return status;
        auto directory = cabinetDirectory(path);
        if (!directory || directory->files.size() != info.cFiles)
            return Status::failure(path + ": is damaged: its directory cannot be read");
        listing = std::move(*directory);
        return Status::success();
    }

    Status extractFromCabinets(
        const std::vector<std::string>& cabinets, const std::vector<std::string>& names,
        const std::function<Status(std::string_view, std::string&&)>& onFile) const override {
        if (cabinets.empty())
            return Status::failure("no cabinet to read");
        Pass pass;
        pass.cabinets = &cabinets;
        pass.names = &names;
        pass.taken.assign(names.size(), false);
        PassScope scope(pass);
        Fdi fdi;
        if (!fdi.get())
            return Status::failure(cabinets.front() + ": the system's cabinet reader cannot start");

        // Each cabinet must say that it follows the one before: FDI checks this
        // only where a file spans them. Wine's FDI says of no cabinet that it
        // has a next one, so the links are taken from the directory.
        FDICABINETINFO previous{};
        bool previousGoesOn = false;
        for (std::size_t i = 0; i < cabinets.size(); ++i) {
            FDICABINETINFO info{};
            if (Status status = fdi.inspect(cabinets[i], pass, info); !status)
                return status;
            const auto directory = cabinetDirectory(cabinets[i]);
            if (i > 0 && !(previousGoesOn && directory && !directory->previousCabinet.empty() &&
                           previous.setID == info.setID && info.iCabinet == previous.iCabinet + 1))
                return Status::failure(cabinets[i] + ": is not the cabinet that follows " +
                                       cabinets[i - 1] + " in its set");
            previous = info;
            previousGoesOn = directory && !directory->nextCabinet.empty();
            pass.nextOfLast = directory ? directory->nextCabinet : std::string();
            pass.intoMissing.clear();
            for (const CabinetFile& file :
                 directory ? directory->files : std::vector<CabinetFile>()) {
                if (file.intoNext)
                    pass.intoMissing.push_back(file.name);
            }
        }

        // Each cabinet once; a file that goes on into the next one is read
        // across both, and skipped as a part when that one's turn comes.
        for (std::size_t i = 0; i < cabinets.size(); ++i) {
            pass.current = i;
            char name[] = "cabinet";
            char place[16];
            std::snprintf(place, sizeof place, "*%u|", static_cast<unsigned>(i));
            if (!FDICopy(fdi.get(), name, place, 0, &notify, nullptr, nullptr)) {
                if (!pass.failure.empty())
                    return Status::failure(pass.failure);
                std::string reason = fdiReason(cabinets[pass.current], fdi.error(), pass);
                if (!pass.currentFile.empty())
                    reason += " (in " + pass.currentFile + ")";
                return Status::failure(reason);
            }
        }
        for (auto& [name, bytes] : pass.done) {
            if (Status status = onFile(name, std::move(bytes)); !status)
                return status;
        }
        return Status::success();
    }

    Status expandCompressedFile(const std::string& path, std::string& bytes) const override {
        HANDLE file = CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return Status::failure(path + ": cannot be opened (" + systemMessage(GetLastError()) +
                                   ")");
        // lz32 hands a file of any other format on as it is: the signature and
        // the stated length are checked here.
        unsigned char header[14];
        DWORD got = 0;
        static const unsigned char kSignature[] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
        if (!ReadFile(file, header, sizeof header, &got, nullptr) || got != sizeof header ||
            std::memcmp(header, kSignature, sizeof kSignature) != 0 ||
            SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) {
            CloseHandle(file);
            return Status::failure(path + ": is no compressed file");
        }
        const std::uint64_t length = header[10] | (header[11] << 8) | (header[12] << 16) |
                                     (static_cast<std::uint64_t>(header[13]) << 24);
        const INT hfile = static_cast<INT>(reinterpret_cast<INT_PTR>(file));
        const INT lz = LZInit(hfile);
        if (lz < 0 || lz == hfile) {
            CloseHandle(file);
            return Status::failure(path + ": is no compressed file");
        }
        std::string out;
        char buffer[16384];
        INT read = 0;
        while ((read = LZRead(lz, buffer, sizeof buffer)) > 0 && out.size() <= length)
            out.append(buffer, static_cast<std::size_t>(read));
        LZClose(lz);
        if (read < 0)
            return Status::failure(path + ": is damaged: its compressed data cannot be expanded");
        if (out.size() != length)
            return Status::failure(path + ": is damaged or cut short: it expands to " +
                                   std::to_string(out.size()) + " bytes instead of " +
                                   std::to_string(length));
        bytes = std::move(out);
        return Status::success();
    }
};

} // namespace

std::unique_ptr<ArchiveReader> createSystemArchiveReader() {
    return std::make_unique<WindowsArchiveReader>();
}

} // namespace tembrix
