#include "platform/Image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "platform/ImagePicture.h"
#include "platform/JpegDecoder.h"
#include "platform/QtPictureDecoder.h"

namespace {

std::atomic<int64_t> decodeCount{0};

// Enough of a file's start for any reader to know its format.
constexpr size_t kFormatProbeBytes = 4096;

// A file opened for reading, closed when it goes out of scope. Its bytes are
// read in two steps: the start, to learn the format, then the rest only if
// there is a picture to decode (the engine also probes whole archives).
class OpenFile {
  public:
    explicit OpenFile(const std::string& path)
        : descriptor_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // The size of a regular file; -1 for anything else or on failure.
    off_t Size() const {
        struct stat status {};
        if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode))
            return -1;
        return status.st_size;
    }

    // Appends up to `count` bytes; false on a read error.
    bool AppendTo(std::string& bytes, size_t count) {
        const size_t start = bytes.size();
        bytes.resize(start + count);
        size_t done = 0;
        while (done < count) {
            const ssize_t got = ::read(descriptor_, bytes.data() + start + done, count - done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return false;
            if (got == 0) break;
            done += static_cast<size_t>(got);
        }
        bytes.resize(start + done);
        return true;
    }

  private:
    int descriptor_;
};

bool DecodeFile(const std::string& path, Image::Picture& picture) {
    OpenFile file(path);
    const off_t size = file.Size();
    if (size <= 0) return false;
    std::string bytes;
    if (!file.AppendTo(bytes, std::min(kFormatProbeBytes, static_cast<size_t>(size)))) return false;
    const bool jpeg = JpegDecoder::LooksLikeJpeg(bytes);
    if (!jpeg && !QtPictureDecoder::Recognises(bytes)) return false;
    bytes.reserve(static_cast<size_t>(size));
    if (!file.AppendTo(bytes, static_cast<size_t>(size) - bytes.size())) return false;
    return jpeg ? JpegDecoder::Decode(bytes, picture) : QtPictureDecoder::Decode(bytes, picture);
}

}  // namespace

Image::Image(const std::string& path) : picture_(std::make_unique<Picture>()) {
    if (DecodeFile(path, *picture_)) ++decodeCount;
}

Image::~Image() = default;

bool Image::HasPicture() const {
    return !picture_->pixels.isNull();
}
int Image::Width() const {
    return picture_->pixels.width();
}
int Image::Height() const {
    return picture_->pixels.height();
}
float Image::HorizontalResolution() const {
    return picture_->horizontalDpi;
}
float Image::VerticalResolution() const {
    return picture_->verticalDpi;
}
unsigned Image::FrameCount() const {
    return picture_->frameCount;
}

int64_t Image::DecodeCount() {
    return decodeCount.load();
}

std::atomic<int64_t> Image::Picture::scaledCopiesBuilt{0};

int64_t Image::ScaledCopyCount() {
    return Picture::scaledCopiesBuilt.load();
}
