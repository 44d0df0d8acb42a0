"""A local web site for the wait panel test. The page answers at once; an image on it never
answers, so the page itself never completes; its frame answers once the release file exists.

Usage: slow_site.py PORT_FILE RELEASE_FILE   (listens on 127.0.0.1, writes the port to PORT_FILE)
"""
import http.server
import os
import sys
import threading
import time

PORT_FILE, RELEASE_FILE = sys.argv[1:3]
PAGE = b"""<!DOCTYPE html><html><body style="margin:0">
<img src="/never.png" style="position:absolute;left:0;top:400px">
<iframe src="/frame.html" style="position:absolute;left:0;top:300px;border:0"></iframe>
</body></html>"""
FRAME = b"<!DOCTYPE html><html><body>frame</body></html>"


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == "/never.png":
            threading.Event().wait()  # until the test ends the server
        if self.path == "/frame.html":
            while not os.path.exists(RELEASE_FILE):
                time.sleep(0.05)
        body = FRAME if self.path == "/frame.html" else PAGE
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
with open(PORT_FILE, "w") as f:
    f.write(str(server.server_address[1]))
server.serve_forever()
