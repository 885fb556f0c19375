#include "SledovanieAdresara.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t kUdalosti = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                               IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr uint32_t kZoznam = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr uint32_t kKoniec = IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT;

}  // namespace

SledovanieAdresara::~SledovanieAdresara() { zastav(); }

SledovanieAdresara& SledovanieAdresara::operator=(const SledovanieAdresara& ine)
{
    if (this != &ine)
        zastav();
    return *this;
}

bool SledovanieAdresara::sleduj(const QString& adresar)
{
    zastav();
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return false;
    if (::inotify_add_watch(fd, QFile::encodeName(adresar).constData(), kUdalosti | IN_ONLYDIR) < 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_adresar = adresar;
    return true;
}

void SledovanieAdresara::zastav()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_adresar.clear();
}

SledovanieAdresara::Zmeny SledovanieAdresara::zmeny()
{
    Zmeny z;
    if (m_fd < 0) {
        z.vsetko = true;
        return z;
    }
    alignas(struct inotify_event) char buf[16384];
    for (;;) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (n <= 0) {
            z.vsetko = true;
            break;
        }
        for (ssize_t i = 0; i < n;) {
            const auto* u = reinterpret_cast<const struct inotify_event*>(buf + i);
            if (u->mask & kKoniec)
                z.vsetko = true;
            if (u->mask & kZoznam)
                z.zoznam = true;
            if (u->len > 0)
                z.subory.insert(m_adresar + u'/' + QFile::decodeName(u->name));
            i += ssize_t(sizeof(struct inotify_event)) + ssize_t(u->len);
        }
    }
    if (z.vsetko)
        zastav();
    return z;
}
