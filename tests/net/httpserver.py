#!/usr/bin/python3
"""A throwaway HTTP server on loopback for the download tests (http.server).

  /files/NAME          the file ROOT/NAME with its length
  /nolength/NAME       the same without Content-Length (ends by closing)
  /truncated/NAME      announces the whole length, sends half, closes
  /status/CODE         an empty answer with that status
  /redirect/PATH       302 to /PATH
  /stall               headers and a few bytes, then nothing for a long time

Prints "READY <port>" when it accepts connections; stops when its standard
input closes.

  httpserver.py ROOT
"""
import http.server
import os
import sys
import threading
import time

ROOT = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def file(self, name):
        path = os.path.join(ROOT, os.path.basename(name))
        with open(path, "rb") as f:
            return f.read()

    def do_GET(self):
        parts = self.path.split("/", 2)
        kind = parts[1] if len(parts) > 1 else ""
        rest = parts[2] if len(parts) > 2 else ""
        try:
            if kind == "files":
                data = self.file(rest)
                self.send_response(200)
                self.send_header("Content-Type", "application/octet-stream")
                self.send_header("Content-Length", str(len(data)))
                self.end_headers()
                for i in range(0, len(data), 65536):
                    self.wfile.write(data[i:i + 65536])
            elif kind == "nolength":
                data = self.file(rest)
                self.send_response(200)
                self.end_headers()
                self.wfile.write(data)
            elif kind == "truncated":
                data = self.file(rest)
                self.send_response(200)
                self.send_header("Content-Length", str(len(data)))
                self.end_headers()
                self.wfile.write(data[: len(data) // 2])
                self.wfile.flush()
                self.close_connection = True
            elif kind == "status":
                self.send_response(int(rest))
                self.send_header("Content-Length", "9")
                self.end_headers()
                self.wfile.write(b"not found")
            elif kind == "redirect":
                self.send_response(302)
                self.send_header("Location", "/" + rest)
                self.send_header("Content-Length", "0")
                self.end_headers()
            elif kind == "stall":
                self.send_response(200)
                self.send_header("Content-Length", "1000")
                self.end_headers()
                self.wfile.write(b"x" * 10)
                self.wfile.flush()
                time.sleep(30)
            else:
                self.send_error(404)
        except FileNotFoundError:
            self.send_error(404)
        except (BrokenPipeError, ConnectionResetError):
            pass


def main():
    srv = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    srv.daemon_threads = True
    threading.Thread(target=srv.serve_forever, daemon=True).start()
    print("READY %d" % srv.server_address[1], flush=True)
    sys.stdin.read()
    srv.shutdown()


if __name__ == "__main__":
    main()
