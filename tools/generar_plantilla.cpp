// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: creates the template database from the schema script and the reference CSV files.
// Usage: generar_plantilla esquema.sql provincias.csv localidades.csv rubros.csv salida.fys
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string leerArchivo(const char* ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// RFC 4180 fields: quoted only when they hold a comma or a quote.
std::vector<std::string> partirLinea(const std::string& linea)
{
    std::vector<std::string> campos;
    std::string actual;
    bool entreComillas = false;
    for (size_t i = 0; i < linea.size(); ++i) {
        char c = linea[i];
        if (entreComillas) {
            if (c == '"' && i + 1 < linea.size() && linea[i + 1] == '"') {
                actual += '"';
                ++i;
            } else if (c == '"') {
                entreComillas = false;
            } else {
                actual += c;
            }
        } else if (c == '"') {
            entreComillas = true;
        } else if (c == ',') {
            campos.push_back(actual);
            actual.clear();
        } else if (c != '\r') {
            actual += c;
        }
    }
    campos.push_back(actual);
    return campos;
}

bool importar(sqlite3* db, const char* ruta, const char* sentencia, const std::vector<bool>& enteros)
{
    std::ifstream f(ruta, std::ios::binary);
    if (!f) {
        std::cerr << "no se puede leer " << ruta << "\n";
        return false;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sentencia, -1, &st, nullptr) != SQLITE_OK) {
        std::cerr << sqlite3_errmsg(db) << "\n";
        return false;
    }
    std::string linea;
    std::getline(f, linea); // header
    int filas = 0;
    while (std::getline(f, linea)) {
        if (linea.empty() || linea == "\r")
            continue;
        auto campos = partirLinea(linea);
        if (campos.size() != enteros.size()) {
            std::cerr << ruta << ": línea con " << campos.size() << " campos: " << linea << "\n";
            sqlite3_finalize(st);
            return false;
        }
        for (size_t i = 0; i < campos.size(); ++i) {
            if (enteros[i])
                sqlite3_bind_int64(st, int(i + 1), std::stoll(campos[i]));
            else
                sqlite3_bind_text(st, int(i + 1), campos[i].c_str(), -1, SQLITE_TRANSIENT);
        }
        if (sqlite3_step(st) != SQLITE_DONE) {
            std::cerr << ruta << ": " << sqlite3_errmsg(db) << "\n";
            sqlite3_finalize(st);
            return false;
        }
        sqlite3_reset(st);
        ++filas;
    }
    sqlite3_finalize(st);
    std::cout << ruta << ": " << filas << " filas\n";
    return true;
}

bool ejecutar(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::cerr << (error ? error : "error") << "\n";
        sqlite3_free(error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::cerr << "uso: generar_plantilla esquema.sql provincias.csv localidades.csv rubros.csv salida.fys\n";
        return 2;
    }
    const std::string salida = argv[5];
    std::remove(salida.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(salida.c_str(), &db) != SQLITE_OK) {
        std::cerr << "no se puede crear " << salida << "\n";
        return 1;
    }
    bool ok = ejecutar(db, "PRAGMA page_size = 4096; PRAGMA journal_mode = DELETE;")
        && ejecutar(db, leerArchivo(argv[1])) && ejecutar(db, "BEGIN")
        && importar(db, argv[2], "INSERT INTO Provincias (IdProvincia, Provincia) VALUES (?, ?)", {true, false})
        && importar(db, argv[3], "INSERT INTO Localidades (Localidad, Codigo, IDProvincia) VALUES (?, ?, ?)",
                    {false, false, true})
        && importar(db, argv[4], "INSERT INTO Rubros (Codigo, Descripcion) VALUES (?, ?)", {false, false})
        && ejecutar(db, "COMMIT") && ejecutar(db, "PRAGMA user_version = 1") && ejecutar(db, "VACUUM");
    sqlite3_close(db);
    if (!ok) {
        std::remove(salida.c_str());
        return 1;
    }
    return 0;
}
