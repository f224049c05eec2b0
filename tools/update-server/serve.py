#!/usr/bin/env python3
"""Orvanta's update server: answers the program's update check and serves the
published executable. Python standard library only.

    python3 tools/update-server/serve.py --publish PATH/Orvanta.exe --version 3.076 \
        [--text "line|line"] [--bind 127.0.0.1] [--port 8089] [--signature FILE]

POST /update/update.php   the reply lines (below), as text/plain
GET  /update/<file name>  the published file, read from disk at each request

The reply describes the file as it was when the server started (size, CRC-32
as a signed decimal, SHA-256) and carries the signature file's bytes (DER) as
hex. Changing the file afterwards therefore serves bytes that no longer match
the reply, which is how a test makes a corrupted download; restart the server
to publish a new file. docs/updater.md has the whole protocol.
"""

import argparse
import hashlib
import http.server
import os
import socket
import sys
import time
import zlib


def describe(path, version, text, signature):
    data = open(path, "rb").read()
    crc = zlib.crc32(data) & 0xFFFFFFFF
    if crc >= 0x80000000:
        crc -= 0x100000000
    lines = [
        "last_version:" + version,
        "last_filesize:%d" % len(data),
        "last_file_crc:%d" % crc,
    ]
    if text is not None:
        lines.append("text:" + text)
    lines.append("last_file_sha256:" + hashlib.sha256(data).hexdigest())
    if signature is not None:
        lines.append("last_file_sig:" + signature.hex())
    return ("\n".join(lines) + "\n").encode("utf-8")


def read_body(handler):
    if handler.headers.get("Transfer-Encoding", "").lower() == "chunked":
        body = b""
        while True:
            size = int(handler.rfile.readline().split(b";")[0].strip() or b"0", 16)
            if size == 0:
                handler.rfile.readline()
                return body
            body += handler.rfile.read(size)
            handler.rfile.readline()
    length = int(handler.headers.get("Content-Length") or 0)
    return handler.rfile.read(length) if length > 0 else b""


def make_handler(publish, reply):
    file_name = os.path.basename(publish)
    file_path = "/update/" + file_name

    class Handler(http.server.BaseHTTPRequestHandler):
        server_version = "OrvantaUpdate/1"
        protocol_version = "HTTP/1.1"

        def send(self, status, body, kind="application/octet-stream", head=False, note=""):
            self.send_response_only(status)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            if not head:
                self.wfile.write(body)
            self.log_line(status, len(body), note)

        def log_line(self, status, size, note):
            sys.stdout.write("%s %s %s %s %d %d bytes%s\n" % (
                time.strftime("%H:%M:%S"), self.client_address[0], self.command, self.path, status, size,
                " (" + note + ")" if note else ""))
            sys.stdout.flush()

        def log_message(self, *args):  # one line per request, written by send()
            pass

        def path_only(self):
            return self.path.split("?", 1)[0]

        def do_POST(self):
            try:
                body = read_body(self)
            except (ValueError, OSError):
                self.send(400, b"bad request\n", "text/plain")
                return
            if self.path_only() != "/update/update.php":
                self.send(404, b"not found\n", "text/plain")
                return
            asked = " ".join(body.decode("latin-1").split("\n")[0].split())
            self.send(200, reply, "text/plain; charset=utf-8", note=asked)

        def do_GET(self, head=False):
            if self.path_only() != file_path:
                self.send(404, b"not found\n", "text/plain", head)
                return
            try:
                data = open(publish, "rb").read()
            except OSError as e:
                self.send(500, (str(e) + "\n").encode(), "text/plain", head)
                return
            self.send(200, data, head=head)

        def do_HEAD(self):
            self.do_GET(head=True)

    return Handler


def main():
    parser = argparse.ArgumentParser(description="Orvanta update server (docs/updater.md)")
    parser.add_argument("--publish", required=True, help="the executable to offer, e.g. build/Orvanta.exe")
    parser.add_argument("--version", required=True, help="its version text, e.g. 3.076")
    parser.add_argument("--text", help='message shown instead of the standard one; "|" breaks the line')
    parser.add_argument("--bind", default="127.0.0.1", help="address to listen on (default 127.0.0.1)")
    parser.add_argument("--port", type=int, default=8089, help="port (default 8089; 0 picks a free one)")
    parser.add_argument("--signature", help="DER signature of the file's SHA-256 (openssl dgst -sha256 -sign)")
    args = parser.parse_args()

    for bad in ("\n", "\r"):
        if bad in args.version or (args.text and bad in args.text):
            parser.error("--version and --text are single lines (use | for a line break in --text)")
    try:
        signature = open(args.signature, "rb").read() if args.signature else None
        reply = describe(args.publish, args.version, args.text, signature)
    except OSError as e:
        parser.error(str(e))
    if signature is not None and (len(signature) < 8 or signature[0] != 0x30):
        sys.stderr.write("serve.py: warning: %s does not look like a DER signature\n" % args.signature)
    if signature is None:
        sys.stderr.write("serve.py: warning: no --signature: the program will refuse this update\n")

    class Server(http.server.ThreadingHTTPServer):
        address_family = socket.AF_INET6 if ":" in args.bind else socket.AF_INET
        daemon_threads = True

    try:
        server = Server((args.bind, args.port), make_handler(args.publish, reply))
    except OSError as e:
        sys.stderr.write("serve.py: cannot listen on %s port %d: %s\n" % (args.bind, args.port, e))
        return 1
    host, port = server.server_address[:2]
    shown = "[%s]" % host if ":" in host else host
    print("serving %s version %s at http://%s:%d/update/ (domain setting: %s:%d)" % (
        os.path.basename(args.publish), args.version, shown, port, shown, port), flush=True)
    if not (host.startswith("127.") or host in ("::1", "localhost")):
        sys.stderr.write("serve.py: note: the program talks HTTPS to any host that is not loopback; "
                         "put this server behind a TLS front end for such a host\n")
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
