#include <fcntl.h>
#include <initializer_list>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace stak {

// The default drive's tray; without a drive nothing happens.
void setCdTray(bool open)
{
    for (const char *device : {"/dev/cdrom", "/dev/sr0"}) {
        const int fd = ::open(device, O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            continue;
        ::ioctl(fd, open ? CDROMEJECT : CDROMCLOSETRAY, 0);
        ::close(fd);
        return;
    }
}

} // namespace stak
