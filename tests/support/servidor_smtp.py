# SPDX-License-Identifier: GPL-3.0-or-later
"""A real SMTP server on loopback for the mail tests.

Usage: servidor_smtp.py CARPETA [USUARIO CLAVE]
Listens on a free port of 127.0.0.1, prints "LISTO <port>" and serves until stdin closes.
The last message received is decoded with Python's own e-mail parser and written to CARPETA as
ultimo.json (envelope, decoded subject and text, headers, content type and charset).
With USUARIO and CLAVE, the server demands that login before accepting mail.
"""
import json
import os
import socket
import sys
from email import policy
from email.parser import BytesParser

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


class Guardar:
    def __init__(self, carpeta):
        self.carpeta = carpeta

    async def handle_DATA(self, server, session, envelope):
        crudo = envelope.original_content
        mensaje = BytesParser(policy=policy.default).parsebytes(crudo)
        datos = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "subject": str(mensaje["subject"]),
            "to": str(mensaje["to"]),
            "from": str(mensaje["from"]),
            "date": str(mensaje["date"]) if mensaje["date"] else "",
            "message_id": str(mensaje["message-id"]) if mensaje["message-id"] else "",
            "content_type": mensaje.get_content_type(),
            "charset": mensaje.get_content_charset() or "",
            "body": mensaje.get_content(),
            "max_line": max(len(l) for l in crudo.split(b"\r\n")),
        }
        destino = os.path.join(self.carpeta, "ultimo.json")
        with open(destino + ".tmp", "w", encoding="utf-8") as f:
            json.dump(datos, f, ensure_ascii=False)
        os.replace(destino + ".tmp", destino)
        return "250 OK"


def puerto_libre():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def main():
    carpeta = sys.argv[1]
    opciones = {}
    if len(sys.argv) >= 4:
        usuario, clave = sys.argv[2].encode(), sys.argv[3].encode()

        def autenticar(server, session, envelope, mechanism, auth_data):
            ok = isinstance(auth_data, LoginPassword) and auth_data.login == usuario and auth_data.password == clave
            return AuthResult(success=ok, handled=False)

        opciones = dict(authenticator=autenticar, auth_required=True, auth_require_tls=False)
    puerto = puerto_libre()
    controlador = Controller(Guardar(carpeta), hostname="127.0.0.1", port=puerto, **opciones)
    controlador.start()
    print("LISTO %d" % puerto, flush=True)
    try:
        sys.stdin.read()
    finally:
        controlador.stop()


if __name__ == "__main__":
    main()
