// libmodbus, an implementation we did not write, judges our frames: it builds the same
// requests for unit 255 (through its raw-request path, which adds its own CRC), and as a
// server it accepts our CRC and answers register reads that our reply reader must take.
#include "devicelink/modbusframes.h"

#include <gtest/gtest.h>
#include <modbus/modbus.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace brevix;

namespace {

struct SocketPair
{
    int ours = -1;
    int theirs = -1;
    SocketPair()
    {
        int fds[2];
        if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) == 0) {
            ours = fds[0];
            theirs = fds[1];
        }
    }
    ~SocketPair()
    {
        ::close(ours);
        ::close(theirs);
    }
};

QByteArray readAvailable(int fd)
{
    QByteArray out;
    char buffer[512];
    timeval tv{0, 200000};
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    while (select(fd + 1, &set, nullptr, nullptr, &tv) > 0) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, static_cast<int>(n));
        tv = {0, 20000};
        FD_ZERO(&set);
        FD_SET(fd, &set);
    }
    return out;
}

// libmodbus as the sender of a raw request; returns the bytes it put on the line.
QByteArray libmodbusFrame(const QByteArray &withoutCrc)
{
    SocketPair pair;
    modbus_t *ctx = modbus_new_rtu("/dev/null", 115200, 'E', 8, 1);
    modbus_set_socket(ctx, pair.theirs);
    modbus_send_raw_request(ctx, reinterpret_cast<const uint8_t *>(withoutCrc.constData()),
                            withoutCrc.size());
    modbus_free(ctx);
    return readAvailable(pair.ours);
}

} // namespace

TEST(LibModbusPeer, BuildsTheSameWriteFramesAsWe)
{
    RegisterImage image;
    for (int r = RegisterImage::kFirst; r <= RegisterImage::kLast; ++r)
        image.set(r, static_cast<std::uint16_t>(r * 31 + 7));
    for (const auto &[first, count] :
         {std::pair{3900, 10}, std::pair{3910, 100}, std::pair{4910, 24}}) {
        const QByteArray ours = buildWriteRegisters(image, first, count);
        EXPECT_EQ(libmodbusFrame(ours.left(ours.size() - 2)), ours) << first;
    }
}

TEST(LibModbusPeer, BuildsTheSameReadRequestAsWe)
{
    const QByteArray ours = buildRequestRegisters(3900, 3);
    EXPECT_EQ(libmodbusFrame(ours.left(6)), ours);
}

TEST(LibModbusPeer, ServerTakesOurCrcAndWeTakeItsAnswer)
{
    // The server side of libmodbus only listens to units 1..247, so the frame goes to unit 1:
    // what is judged here is the CRC and the layout.
    SocketPair pair;
    modbus_t *ctx = modbus_new_rtu("/dev/null", 115200, 'E', 8, 1);
    modbus_set_slave(ctx, 1);
    modbus_set_socket(ctx, pair.theirs);
    modbus_mapping_t *map = modbus_mapping_new_start_address(0, 0, 0, 0, 3900, 1034, 0, 0);
    map->tab_registers[0] = 0;
    map->tab_registers[1] = 0x8765;
    map->tab_registers[2] = 0xAAAA;

    QByteArray request = buildRequestRegisters(3900, 3).left(6);
    request[0] = 1;
    appendCrc(request);
    ASSERT_EQ(::write(pair.ours, request.constData(), request.size()), request.size());
    uint8_t query[MODBUS_RTU_MAX_ADU_LENGTH];
    const int length = modbus_receive(ctx, query);
    ASSERT_EQ(length, request.size()) << modbus_strerror(errno);
    ASSERT_GT(modbus_reply(ctx, query, length, map), 0);
    const QByteArray answer = readAvailable(pair.ours);

    RegisterImage image;
    image.set(3900, 0xFFFF);
    ASSERT_TRUE(TakeRegisterReply(
        image, 3900, 3, reinterpret_cast<const std::uint8_t *>(answer.constData()), answer.size()));
    EXPECT_EQ(image.at(3900), 0);
    EXPECT_EQ(image.at(3901), 0x8765);
    EXPECT_EQ(image.at(3902), 0xAAAA);

    // A frame with a spoiled CRC is refused by libmodbus as well.
    QByteArray spoiled = request;
    spoiled[7] = static_cast<char>(spoiled[7] ^ 0x01);
    ASSERT_EQ(::write(pair.ours, spoiled.constData(), spoiled.size()), spoiled.size());
    modbus_set_response_timeout(ctx, 0, 200000);
    EXPECT_EQ(modbus_receive(ctx, query), -1);

    modbus_mapping_free(map);
    modbus_free(ctx);
}
