#!/usr/bin/env python3
"""Checks the local update server's answers, fault modes, confinement and bounded life."""

import os
import socket
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "blockery_test_server.py")
BLOCK = bytes(range(256)) * 8  # 2048 bytes
LIST = "<root><Item id=\"1\"><Name>门.dwg</Name></Item></root>".encode("utf-8")


def start_server(root, *extra):
    process = subprocess.Popen([sys.executable, SERVER, "--root", root, *extra],
                               stdout=subprocess.PIPE, text=True)
    port = int(process.stdout.readline())
    return process, port


def get(port, path, timeout=10.0, headers=""):
    """Status, headers and body as they came over the wire, and whether the peer reset."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as s:
        s.sendall(("GET %s HTTP/1.1\r\nHost: 127.0.0.1\r\n%s\r\n" % (path, headers)).encode("ascii"))
        data, reset = b"", False
        try:
            while True:
                piece = s.recv(4096)
                if not piece:
                    break
                data += piece
        except ConnectionResetError:
            reset = True
    head, _, body = data.partition(b"\r\n\r\n")
    lines = head.decode("latin-1").split("\r\n")
    status = int(lines[0].split()[1]) if lines[0] else 0
    headers = {k.strip().lower(): v.strip() for k, _, v in (l.partition(":") for l in lines[1:])}
    return status, headers, body, reset


class ServedLibrary(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = os.path.join(self.folder.name, "served")
        os.makedirs(os.path.join(self.root, "InkCasket", "园林"))
        with open(os.path.join(self.root, "InkCasket", "园林", "01_门.dwg"), "wb") as f:
            f.write(BLOCK)
        with open(os.path.join(self.root, "InkCasket", "园林", "园林.xml"), "wb") as f:
            f.write(LIST)
        with open(os.path.join(self.folder.name, "secret.txt"), "wb") as f:
            f.write(b"outside")
        self.process = None

    def tearDown(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=30)
        if self.process:
            self.process.stdout.close()
        self.folder.cleanup()

    def serve(self, *extra):
        self.process, self.port = start_server(self.root, "--lifetime", "120", *extra)

    BLOCK_PATH = "/InkCasket/%E5%9B%AD%E6%9E%97/01_%E9%97%A8.dwg"
    LIST_PATH = "/InkCasket/%E5%9B%AD%E6%9E%97/%E5%9B%AD%E6%9E%97.xml"

    def test_plain_answers_carry_the_whole_file_and_its_length(self):
        self.serve()
        status, headers, body, _ = get(self.port, self.BLOCK_PATH)
        self.assertEqual(status, 200)
        self.assertEqual(headers["content-length"], str(len(BLOCK)))
        self.assertEqual(body, BLOCK)
        self.assertEqual(get(self.port, self.LIST_PATH)[2], LIST)

    def test_validators_sent_back_unchanged_get_304_and_no_body(self):
        self.serve()
        _, first, _, _ = get(self.port, self.LIST_PATH)
        etag, modified = first["etag"], first["last-modified"]
        cases = [
            ("If-None-Match: %s\r\n" % etag, 304),
            ("If-None-Match: \"other\"\r\nIf-Modified-Since: %s\r\n" % modified, 200),  # the ETag decides
            ("If-Modified-Since: %s\r\n" % modified, 304),
            ("If-Modified-Since: Thu, 01 Jan 1998 00:00:00 GMT\r\n", 200),
            ("If-Modified-Since: not a date\r\n", 200),
        ]
        for headers, expected in cases:
            status, answer, body, _ = get(self.port, self.LIST_PATH, headers=headers)
            self.assertEqual(status, expected, headers)
            self.assertEqual(body, b"" if expected == 304 else LIST, headers)
        os.utime(os.path.join(self.root, "InkCasket", "园林", "园林.xml"), (1, 2_000_000_000))
        self.assertEqual(get(self.port, self.LIST_PATH, headers="If-None-Match: %s\r\n" % etag)[0], 200)

    def test_without_etags_last_modified_alone_decides(self):
        self.serve("--no-etag")
        _, first, _, _ = get(self.port, self.LIST_PATH)
        self.assertNotIn("etag", first)
        self.assertEqual(get(self.port, self.LIST_PATH, headers="If-Modified-Since: %s\r\n" % first["last-modified"])[0], 304)

    def test_a_trickled_body_arrives_whole(self):
        self.serve("--fault", "trickle", "--slow-seconds", "0.4")
        status, headers, body, _ = get(self.port, self.BLOCK_PATH)
        self.assertEqual((status, headers["content-length"], body), (200, str(len(BLOCK)), BLOCK))

    def test_server_errors_always_or_only_at_the_first_request(self):
        self.serve("--fault", "503=*.dwg", "--fault", "fail-once=*.xml")
        self.assertEqual([get(self.port, self.BLOCK_PATH)[0] for _ in range(2)], [503, 503])
        self.assertEqual([get(self.port, self.LIST_PATH)[0] for _ in range(2)], [503, 200])

    def test_missing_files_and_paths_outside_the_folder_are_not_found(self):
        self.serve()
        self.assertEqual(get(self.port, "/InkCasket/none.dwg")[0], 404)
        self.assertEqual(get(self.port, "/../secret.txt")[0], 404)
        self.assertEqual(get(self.port, "/%2e%2e/secret.txt")[0], 404)
        self.assertEqual(get(self.port, "/InkCasket")[0], 404)

    def test_each_fault_mode_breaks_the_answer_its_own_way(self):
        self.serve()
        expectations = {
            "404": lambda s, h, b, r: s == 404,
            "no-length": lambda s, h, b, r: s == 200 and "content-length" not in h and b == BLOCK,
            "short": lambda s, h, b, r: h["content-length"] == "2048" and b == BLOCK[:1024] and not r,
            "long": lambda s, h, b, r: h["content-length"] == "2048" and b[:2048] == BLOCK and len(b) == 2304,
            "drop": lambda s, h, b, r: h["content-length"] == "2048" and len(b) <= 1024,
            "redirect": lambda s, h, b, r: s == 302 and h["location"] == "https://localhost:1" + self.BLOCK_PATH,
            "low-length": lambda s, h, b, r: h["content-length"] == "1024" and b == BLOCK,
            "html": lambda s, h, b, r: s == 200 and h["content-type"].startswith("text/html")
                                       and b.startswith(b"<!DOCTYPE html>") and b != BLOCK,
        }
        for mode, holds in expectations.items():
            get(self.port, "/__fault?clear=1&to=https://localhost:1/&mode=" + mode)
            answer = get(self.port, self.BLOCK_PATH)
            self.assertTrue(holds(*answer), "%s: %r" % (mode, answer[:2]))

    def test_a_fault_given_for_a_pattern_spares_other_paths(self):
        self.serve("--fault", "404=/InkCasket/*.dwg")
        self.assertEqual(get(self.port, self.BLOCK_PATH)[0], 404)
        self.assertEqual(get(self.port, self.LIST_PATH)[0], 200)
        get(self.port, "/__fault?clear=1")
        self.assertEqual(get(self.port, self.BLOCK_PATH)[0], 200)

    def test_slow_mode_stays_silent_while_other_requests_are_answered(self):
        self.serve("--slow-seconds", "60")
        get(self.port, "/__fault?mode=slow&path=*.dwg")
        with self.assertRaises(socket.timeout):
            get(self.port, self.BLOCK_PATH, timeout=0.5)
        self.assertEqual(get(self.port, self.LIST_PATH)[0], 200)

    def test_journal_lists_every_answer(self):
        self.serve("--fault", "short=*.xml")
        get(self.port, self.BLOCK_PATH)
        get(self.port, self.LIST_PATH)
        journal = get(self.port, "/__requests")[2].decode("utf-8").splitlines()
        self.assertEqual(journal, ["/InkCasket/园林/01_门.dwg\tplain\t200", "/InkCasket/园林/园林.xml\tshort\t200"])

    def test_server_stops_by_itself_even_with_a_request_hanging(self):
        self.process, port = start_server(self.root, "--lifetime", "1", "--fault", "slow", "--slow-seconds", "600")
        with socket.create_connection(("127.0.0.1", port)) as s:
            s.sendall(b"GET /InkCasket/x.dwg HTTP/1.0\r\n\r\n")
            self.assertEqual(self.process.wait(timeout=60), 0)

    def test_unknown_fault_mode_is_refused_at_start(self):
        result = subprocess.run([sys.executable, SERVER, "--root", self.root, "--fault", "sideways"],
                                capture_output=True, timeout=60)
        self.assertNotEqual(result.returncode, 0)


if __name__ == "__main__":
    unittest.main()
