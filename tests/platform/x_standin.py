# SPDX-License-Identifier: GPL-3.0-or-later
"""A minimal X server stand-in that offers the DPMS extension and records its requests.

Debian's Xvfb has no DPMS (its screens have no power hook), so the requests a client sends
are checked here; it speaks just enough of the core protocol for an xcb client: the
connection setup, QueryExtension, GetInputFocus (xcb's sync) and the DPMS requests.
"""
import socket
import struct
import threading

DPMS_MAJOR = 150
DPMS_NAMES = {0: "GetVersion", 1: "Capable", 2: "GetTimeouts", 3: "SetTimeouts", 4: "Enable", 5: "Disable",
              6: "ForceLevel", 7: "Info"}


def _pad(n):
    return (4 - n % 4) % 4


class XStandIn:
    """Listens on 127.0.0.1 at the TCP port of the first free display number from 200 on."""

    def __init__(self, fail_force_level=False):
        self.fail_force_level = fail_force_level
        self.requests = []  # e.g. ("QueryExtension", "DPMS"), ("DPMS", "ForceLevel", 3)
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        for number in range(200, 600):
            try:
                self.sock.bind(("127.0.0.1", 6000 + number))
                break
            except OSError:
                continue
        else:
            raise AssertionError("no free X display number for the stand-in")
        self.number = number
        self.sock.listen(4)
        self.sock.settimeout(0.2)
        self.stopping = False
        self.thread = threading.Thread(target=self._serve, daemon=True)
        self.thread.start()

    @property
    def display(self):
        return f"127.0.0.1:{self.number}"

    def close(self):
        self.stopping = True
        self.thread.join(5)
        self.sock.close()

    def _serve(self):
        while not self.stopping:
            try:
                conn, _ = self.sock.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            with conn:
                conn.settimeout(5)
                try:
                    self._client(conn)
                except (OSError, ConnectionError, struct.error):
                    pass

    @staticmethod
    def _read(conn, n):
        data = b""
        while len(data) < n:
            chunk = conn.recv(n - len(data))
            if not chunk:
                raise ConnectionError("closed")
            data += chunk
        return data

    def _client(self, conn):
        head = self._read(conn, 12)
        if head[0:1] != b"l":
            return  # little-endian clients only
        name_len, data_len = struct.unpack_from("<HH", head, 6)
        self._read(conn, name_len + _pad(name_len) + data_len + _pad(data_len))
        vendor = b"stand-in"
        body = struct.pack("<IIIIHHBBBBBBBB4x", 1, 0x00200000, 0x001FFFFF, 0, len(vendor), 65535, 0, 0, 0, 0, 32, 32,
                           8, 255)
        body += vendor + b"\0" * _pad(len(vendor))
        conn.sendall(struct.pack("<BxHHH", 1, 11, 0, len(body) // 4) + body)
        seq = 0
        while True:
            req = self._read(conn, 4)
            opcode, data, length = struct.unpack("<BBH", req)
            rest = self._read(conn, length * 4 - 4)
            seq = (seq + 1) & 0xFFFF
            if opcode == 98:  # QueryExtension
                (n,) = struct.unpack_from("<H", rest, 0)
                name = rest[4:4 + n].decode()
                self.requests.append(("QueryExtension", name))
                present = name == "DPMS"
                conn.sendall(struct.pack("<BxHIBBBB20x", 1, seq, 0, present, DPMS_MAJOR if present else 0, 0, 0))
            elif opcode == 43:  # GetInputFocus, xcb's way to sync
                conn.sendall(struct.pack("<BBHII20x", 1, 0, seq, 0, 1))
            elif opcode == DPMS_MAJOR:
                name = DPMS_NAMES.get(data, str(data))
                if name == "ForceLevel":
                    (level,) = struct.unpack_from("<H", rest, 0)
                    self.requests.append(("DPMS", name, level))
                    if self.fail_force_level:  # BadMatch, as a server with DPMS disabled answers
                        conn.sendall(struct.pack("<BBHIHB21x", 0, 8, seq, 0, data, DPMS_MAJOR))
                else:
                    self.requests.append(("DPMS", name))
                    if name in ("GetVersion", "Capable", "GetTimeouts", "Info"):
                        conn.sendall(struct.pack("<BxHI24x", 1, seq, 0))
            else:
                self.requests.append(("core", opcode))
                # Unknown requests get BadRequest.
                conn.sendall(struct.pack("<BBHIHB21x", 0, 1, seq, 0, 0, opcode))
