#!/usr/bin/env python3
"""A small HTTP or HTTPS update server for Blockery's tests and for trying the gallery out.

It serves one folder (the sample library's server layout: /InkCasket/InkCasket.xml, the item lists
and the DWG files) on 127.0.0.1 only, and can break its answers on purpose, for every path or for
the paths that match a pattern:

  404        status 404 with a short page
  no-length  the whole file, but no Content-Length header
  short      Content-Length of the whole file, then only its first half, then a clean close
  long       Content-Length of the whole file, the file, then 256 bytes more
  low-length Content-Length of half the file, then the whole file (a client that stops at the
             announced length, as WinINet does, sees a whole answer of the wrong size)
  html       status 200 with a web page instead of the file, as a proxy's or captive portal's
             sign-in page answers
  drop       Content-Length of the whole file, its first half, then a reset of the connection
  slow       nothing at all for --slow-seconds, then the normal answer
  redirect   status 302 to the redirect base (--redirect-to, or to= below) followed by the asked path
  trickle    the normal answer, its body in eight pieces spread over --slow-seconds
  503        status 503, as an overloaded server answers
  fail-once  status 503 to the first request for each path, the normal answer after it

A refused connection needs no mode: use a port nobody listens on.

Like a static web server, it sends each file's ETag (from its size and time) and Last-Modified, and
answers a request that sends back the current ETag (If-None-Match) or a Last-Modified no older than
the file's (If-Modified-Since, only when no If-None-Match came) with 304 and no body. --no-etag
leaves the ETag out, as Python's http.server does.

With --tls-cert and --tls-key (PEM files) it speaks HTTPS only, with that certificate.

When it is ready it prints the port it listens on (one line, the number alone); --port 0 picks a free
one. It stops by itself after --lifetime seconds, on SIGTERM or SIGINT.

Faults can also be changed while it runs, from the same address:
  GET /__fault?mode=short&path=/InkCasket/*.dwg   add a rule (path is a glob; none means every path)
  GET /__fault?mode=redirect&to=https://localhost:8443   to= sets the redirect base
  GET /__fault?clear=1                            remove every rule
  GET /__requests                                 one line per request served: path, mode, status
"""

import argparse
import email.utils
import fnmatch
import http.server
import os
import posixpath
import signal
import socket
import ssl
import struct
import sys
import threading
import urllib.parse

LOOPBACK = "127.0.0.1"
MODES = ("404", "no-length", "short", "long", "drop", "slow", "redirect", "low-length", "html", "503", "fail-once",
         "trickle")
PORTAL_PAGE = (b"<!DOCTYPE html>\n<html><head><meta charset=utf-8><title>Sign in</title></head>\n"
               b"<body><p>Sign in to use this network<br><a href=/login>Continue</a></body></html>\n")


class FaultRules:
    """Which paths answer with which fault; the first matching rule wins."""

    def __init__(self, rules):
        self._lock = threading.Lock()
        self._rules = list(rules)

    def add(self, mode, pattern):
        with self._lock:
            self._rules.append((mode, pattern))

    def clear(self):
        with self._lock:
            self._rules.clear()

    def mode_for(self, path):
        with self._lock:
            for mode, pattern in self._rules:
                if pattern is None or fnmatch.fnmatchcase(path, pattern):
                    return mode
        return None


def parse_fault(text):
    mode, _, pattern = text.partition("=")
    if mode not in MODES:
        raise argparse.ArgumentTypeError("unknown fault mode %r (one of %s)" % (mode, ", ".join(MODES)))
    return mode, (pattern or None)


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "BlockeryTestServer/1"
    protocol_version = "HTTP/1.0"

    def log_message(self, format, *args):
        pass

    def setup(self):
        # The TLS handshake runs here, on the request's own thread, so a client that refuses the
        # certificate or stalls holds up no one else.
        if isinstance(self.request, ssl.SSLSocket):
            self.request.settimeout(30)
            self.request.do_handshake()
        super().setup()

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        path = urllib.parse.unquote(url.path, encoding="utf-8", errors="replace")
        if path == "/__fault":
            return self._control(urllib.parse.parse_qs(url.query))
        if path == "/__requests":
            with self.server.journal_lock:
                text = "".join(self.server.journal)
            return self._answer(200, text.encode("utf-8"), "text/plain; charset=utf-8")
        mode = self.server.faults.mode_for(path)
        if mode == "slow":
            if self.server.stopping.wait(self.server.slow_seconds):
                return
            mode = None
        if mode == "redirect":
            self._note(path, mode, 302)
            return self._redirect(self.server.redirect_base + self.path)
        if mode == "503" or (mode == "fail-once" and self.server.first_request(path)):
            self._note(path, mode, 503)
            return self._answer(503, b"<html><body>busy</body></html>", "text/html")
        found = self._file_body(path)
        if found is None or mode == "404":
            self._note(path, mode, 404)
            return self._answer(404, b"<html><body>not found</body></html>", "text/html")
        body, validators = found
        if mode is None and self._unchanged(validators):
            self._note(path, mode, 304)
            return self._not_modified(validators)
        self._note(path, mode, 200)
        if mode == "html":
            return self._answer(200, PORTAL_PAGE, "text/html; charset=utf-8")
        self._send_faulty(body, mode, validators)

    def _unchanged(self, validators):
        sent_etag = self.headers.get("If-None-Match")
        if sent_etag is not None:
            return "ETag" in validators and sent_etag.strip() == validators["ETag"]
        since = self.headers.get("If-Modified-Since")
        if since is None:
            return False
        try:
            return email.utils.parsedate_to_datetime(since).timestamp() >= validators["mtime"]
        except (TypeError, ValueError):
            return False

    def _not_modified(self, validators):
        self.send_response(304)
        self._send_validators(validators)
        self.end_headers()

    def _send_validators(self, validators):
        if "ETag" in validators:
            self.send_header("ETag", validators["ETag"])
        self.send_header("Last-Modified", email.utils.formatdate(validators["mtime"], usegmt=True))

    def _control(self, query):
        if "clear" in query:
            self.server.faults.clear()
        if "to" in query:
            self.server.redirect_base = query["to"][0].rstrip("/")
        mode = query.get("mode", [None])[0]
        if mode is not None:
            if mode not in MODES:
                return self._answer(400, b"unknown mode\n", "text/plain")
            self.server.faults.add(mode, query.get("path", [None])[0])
        self._answer(200, b"ok\n", "text/plain")

    def _file_body(self, path):
        """The bytes of the file at path below the served folder with its validators, or None."""
        clean = posixpath.normpath(path)
        if not clean.startswith("/") or "\0" in clean:
            return None
        parts = [p for p in clean.split("/") if p]
        if any(p in (".", "..") for p in parts):
            return None
        local = os.path.join(self.server.root, *parts)
        if not os.path.isfile(local):
            return None
        with open(local, "rb") as f:
            body = f.read()
            status = os.fstat(f.fileno())
        validators = {"mtime": int(status.st_mtime)}
        if not self.server.no_etag:
            validators["ETag"] = '"%x-%x"' % (status.st_size, status.st_mtime_ns)
        return body, validators

    def _note(self, path, mode, status):
        with self.server.journal_lock:
            self.server.journal.append("%s\t%s\t%d\n" % (path, mode or "plain", status))

    def _answer(self, status, body, content_type):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def _redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def _send_faulty(self, body, mode, validators):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self._send_validators(validators)
        if mode == "low-length":
            self.send_header("Content-Length", str(len(body) // 2))
        elif mode != "no-length":
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if mode in ("short", "drop"):
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            if mode == "drop":
                self._reset_connection()
            return
        if mode == "trickle":
            return self._trickle(body)
        self.wfile.write(body)
        if mode == "long":
            self.wfile.write(b"\0" * 256)

    def _trickle(self, body):
        piece = max(1, -(-len(body) // 8))
        for start in range(0, len(body), piece):
            self.wfile.write(body[start:start + piece])
            self.wfile.flush()
            if self.server.stopping.wait(self.server.slow_seconds / 8):
                return

    def _reset_connection(self):
        # A zero linger time makes close() send a reset instead of an orderly end.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.close_connection = True
        self.connection.close()


class TestServer(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, root, port, faults, slow_seconds, tls=None, redirect_base="", no_etag=False):
        super().__init__((LOOPBACK, port), Handler)
        self.tls = tls
        self.redirect_base = redirect_base
        self.root = os.path.abspath(root)
        self.faults = faults
        self.slow_seconds = slow_seconds
        self.stopping = threading.Event()
        self.journal = []
        self.journal_lock = threading.Lock()
        self.no_etag = no_etag
        self.asked = set()

    def first_request(self, path):
        with self.journal_lock:
            first = path not in self.asked
            self.asked.add(path)
            return first

    def get_request(self):
        connection, address = super().get_request()
        if self.tls:
            connection = self.tls.wrap_socket(connection, server_side=True, do_handshake_on_connect=False)
        return connection, address

    def handle_error(self, request, client_address):
        pass  # a client that hangs up early is part of the tests

    def stop(self):
        self.stopping.set()
        threading.Thread(target=self.shutdown, daemon=True).start()


def main(argv):
    parser = argparse.ArgumentParser(description="Blockery's local HTTP update server (127.0.0.1 only).")
    parser.add_argument("--root", required=True, help="folder to serve (the server layout of a library)")
    parser.add_argument("--port", type=int, default=0, help="port to listen on; 0 picks a free one")
    parser.add_argument("--lifetime", type=float, default=600.0, help="seconds until it stops by itself")
    parser.add_argument("--fault", type=parse_fault, action="append", default=[],
                        metavar="MODE[=GLOB]", help="break answers: " + ", ".join(MODES))
    parser.add_argument("--slow-seconds", type=float, default=40.0, help="how long 'slow' stays silent")
    parser.add_argument("--redirect-to", default="", metavar="BASE", help="where 'redirect' sends the asked path")
    parser.add_argument("--tls-cert", help="speak HTTPS with this certificate (PEM, the chain after it)")
    parser.add_argument("--tls-key", help="the certificate's private key (PEM)")
    parser.add_argument("--no-etag", action="store_true", help="send Last-Modified only, as http.server does")
    args = parser.parse_args(argv)
    if not os.path.isdir(args.root):
        parser.error("no such folder: %s" % args.root)
    if not 0 < args.lifetime <= 24 * 3600:
        parser.error("--lifetime must be above 0 and at most a day")

    tls = None
    if args.tls_cert or args.tls_key:
        if not (args.tls_cert and args.tls_key):
            parser.error("--tls-cert and --tls-key go together")
        tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        tls.load_cert_chain(args.tls_cert, args.tls_key)
    server = TestServer(args.root, args.port, FaultRules(args.fault), args.slow_seconds, tls,
                        args.redirect_to.rstrip("/"), args.no_etag)
    timer = threading.Timer(args.lifetime, server.stop)
    timer.daemon = True
    timer.start()
    for sig in (signal.SIGTERM, signal.SIGINT):
        signal.signal(sig, lambda *_: server.stop())
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        timer.cancel()
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
