#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A loopback FTP server for the tests: anonymous and read-only over --root, on a port the
system picks, which it prints as the first line of standard output. It ends when its
standard input closes, so a test that dies never leaves it behind.

    ftp_server.py --root DIR [--die-after BYTES] [--rate BYTES_PER_SECOND] [--log FILE]

--die-after ends the whole server once that many bytes of a file are sent (the server
vanishing mid-download); --rate sends downloads that slowly (a server that stalls);
--log records every command received, one a line.
"""
import argparse
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--root", required=True)
    p.add_argument("--die-after", type=int, default=-1)
    p.add_argument("--rate", type=int, default=0)
    p.add_argument("--log")
    a = p.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(a.root)

    base_dtp = DTPHandler
    if a.rate > 0:
        base_dtp = ThrottledDTPHandler
        base_dtp.write_limit = a.rate

    class DTP(base_dtp):
        sent = 0

        def send(self, data):
            if a.die_after >= 0 and DTP.sent + len(data) > a.die_after:
                part = data[:max(0, a.die_after - DTP.sent)]
                if part:
                    self.socket.send(part)
                os._exit(0)
            n = super().send(data)
            DTP.sent += n or 0
            return n

    class Handler(FTPHandler):
        dtp_handler = DTP
        use_sendfile = False

        def pre_process_command(self, line, cmd, arg):
            if a.log:
                with open(a.log, "a") as f:
                    f.write(cmd + "\n")
            super().pre_process_command(line, cmd, arg)

    Handler.authorizer = authorizer
    Handler.passive_ports = None
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)

    def watch_stdin():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.ERROR)
    main()
