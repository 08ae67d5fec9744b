#!/usr/bin/python3
"""A throwaway SMTP server on loopback for the mail tests (aiosmtpd).

Each received message is parsed with Python's email package and written to
OUT/<n>.json: envelope, whether the session was encrypted and logged in,
the headers as decoded, the text body and every attachment's name, type,
transfer encoding and bytes (hex). Prints "READY <port>" when it accepts
connections and stops when its standard input closes.

  smtpserver.py OUT [--tls CERT KEY] [--auth USER PASSWORD]
"""
import asyncio
import email
import email.policy
import json
import os
import socket
import ssl
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Handler:
    def __init__(self, out):
        self.out = out
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        msg = email.message_from_bytes(envelope.original_content or envelope.content, policy=email.policy.default)
        body = msg.get_body(preferencelist=("plain",))
        atts = []
        for part in msg.iter_attachments():
            atts.append({
                "filename": part.get_filename(),
                "content_type": part.get_content_type(),
                "cte": part.get("Content-Transfer-Encoding", ""),
                "data": part.get_payload(decode=True).hex(),
            })
        rec = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "tls": session.ssl is not None,
            "auth": session.authenticated,
            "login": getattr(session, "login", None),
            "subject": str(msg["Subject"] or ""),
            "from": str(msg["From"] or ""),
            "to": str(msg["To"] or ""),
            "header_count": len(msg.keys()),
            "headers": [k for k in msg.keys()],
            "body": body.get_content() if body is not None else None,
            "attachments": atts,
            "defects": [str(d) for d in msg.defects],
        }
        with open(os.path.join(self.out, "%d.json" % self.count), "w") as f:
            json.dump(rec, f)
        return "250 OK"


def main():
    args = sys.argv[1:]
    out = args.pop(0)
    tls = None
    auth = None
    while args:
        a = args.pop(0)
        if a == "--tls":
            cert, key = args.pop(0), args.pop(0)
            tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
            tls.load_cert_chain(cert, key)
        elif a == "--auth":
            auth = (args.pop(0), args.pop(0))
    kw = {}
    if tls:
        kw["tls_context"] = tls
    if auth:
        def authenticator(server, session, envelope, mechanism, data):
            if isinstance(data, LoginPassword) and data.login.decode() == auth[0] and data.password.decode() == auth[1]:
                session.login = data.login.decode()
                return AuthResult(success=True)
            return AuthResult(success=False, handled=False)
        kw["authenticator"] = authenticator
        kw["auth_required"] = True
        kw["auth_require_tls"] = True
    port = free_port()
    ctrl = Controller(Handler(out), hostname="127.0.0.1", port=port, **kw)
    ctrl.start()
    print("READY %d" % port, flush=True)
    sys.stdin.read()
    ctrl.stop()


if __name__ == "__main__":
    main()
