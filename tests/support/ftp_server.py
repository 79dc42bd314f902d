#!/usr/bin/python3
"""An FTP server on 127.0.0.1 for the FTP tests (run by tests/support/FtpServer.cpp).

It serves --root to one user, binds a port the system chooses (or --port), prints
"LISTENING <port>" on standard output once it accepts connections, and runs until it is
terminated. Options make it misbehave the ways the tests need:
  --read-only DIR    the user may list and fetch below DIR (relative to the root) but not store
  --refuse-stored    every upload is received in full, then answered "451" instead of "226"
  --reply-delay S    every reply is sent S seconds late
  --hold-until FILE  no reply is sent until FILE exists (the greeting included)
"""

import argparse
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--read-only", action="append", default=[])
    parser.add_argument("--refuse-stored", action="store_true")
    parser.add_argument("--reply-delay", type=float, default=0.0)
    parser.add_argument("--hold-until", default="")
    args = parser.parse_args()

    root = os.path.realpath(args.root)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, root, perm="elradfmwMT")
    for folder in args.read_only:
        authorizer.override_perm(args.user, os.path.join(root, folder), perm="elr", recursive=True)

    class TestHandler(FTPHandler):
        # A refused login answers at once: the tests need no brute-force brake.
        auth_failed_timeout = 0.05
        _refuse_next_226 = False

        def ftp_STOR(self, file, mode="w"):
            self._refuse_next_226 = args.refuse_stored
            return super().ftp_STOR(file, mode)

        def respond(self, resp, logfun=None):
            if args.hold_until:
                while not os.path.exists(args.hold_until):
                    time.sleep(0.02)
            if args.reply_delay > 0:
                time.sleep(args.reply_delay)
            if self._refuse_next_226 and resp.startswith("226"):
                self._refuse_next_226 = False
                resp = "451 Requested action aborted: the file was not stored."
            if logfun is None:
                super().respond(resp)
            else:
                super().respond(resp, logfun)

    TestHandler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", args.port), TestHandler)
    print("LISTENING %d" % server.socket.getsockname()[1], flush=True)
    # The fixture stops reading after that line: nothing more may go to its pipe.
    os.dup2(os.open(os.devnull, os.O_WRONLY), sys.stdout.fileno())
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    main()
