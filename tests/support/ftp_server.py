"""A throwaway FTP server for tests: serves one folder read-only on 127.0.0.1.

Usage: ftp_server.py FOLDER USER PASSWORD [BYTES_PER_SECOND]
Prints the port it listens on, then serves until it is killed.
"""
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

folder, user, password = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, folder, perm="elr")
handler = FTPHandler
handler.authorizer = authorizer
if len(sys.argv) > 4:
    # Slow downloads leave time to break a transfer in the middle.
    throttled = ThrottledDTPHandler
    throttled.write_limit = int(sys.argv[4])
    handler.dtp_handler = throttled
server = FTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
