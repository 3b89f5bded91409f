-- TALVO database: tables, keys, relations and the fixed reference rows.
-- Text sizes are enforced with CHECK constraints so that an over-long value is refused.
-- Yes/No columns accept -1 (true) and 0; triggers store true as 1 so that "order by ... desc"
-- lists the true rows first.

PRAGMA foreign_keys = ON;

CREATE TABLE Empresas (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  CUIT TEXT CHECK (length(CUIT) <= 13),
  RAZONSOCIAL TEXT CHECK (length(RAZONSOCIAL) <= 50),
  CALLE TEXT CHECK (length(CALLE) <= 50),
  NUMERO TEXT CHECK (length(NUMERO) <= 20),
  PISO TEXT CHECK (length(PISO) <= 20),
  DPTO TEXT CHECK (length(DPTO) <= 20),
  TELEFONOS TEXT CHECK (length(TELEFONOS) <= 50),
  CODPOST TEXT CHECK (length(CODPOST) <= 20),
  LOCALIDAD TEXT CHECK (length(LOCALIDAD) <= 60),
  CODPROV TEXT CHECK (length(CODPROV) <= 50),
  EMAIL TEXT CHECK (length(EMAIL) <= 50),
  FECHAINICIO TEXT,
  CODRUBRO TEXT CHECK (length(CODRUBRO) <= 10),
  FISICA INTEGER NOT NULL DEFAULT 0,
  SOCIO TEXT CHECK (length(SOCIO) <= 50),
  DOCU_SOCIO TEXT CHECK (length(DOCU_SOCIO) <= 50),
  SUCURSALES TEXT CHECK (length(SUCURSALES) <= 50),
  COMERCIAL TEXT CHECK (length(COMERCIAL) <= 50),
  SOCIO2 TEXT CHECK (length(SOCIO2) <= 50),
  DOCU_SOCIO2 TEXT CHECK (length(DOCU_SOCIO2) <= 50),
  CALLEL TEXT CHECK (length(CALLEL) <= 50),
  NUMEROL TEXT CHECK (length(NUMEROL) <= 20),
  PISOL TEXT CHECK (length(PISOL) <= 20),
  DPTOL TEXT CHECK (length(DPTOL) <= 20)
);
CREATE UNIQUE INDEX CUIT ON Empresas (CUIT);
CREATE INDEX RAZON ON Empresas (RAZONSOCIAL);

CREATE TABLE Empleados (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  IDEMPRESA INTEGER NOT NULL REFERENCES Empresas (ID) ON UPDATE CASCADE ON DELETE CASCADE,
  CUIL TEXT CHECK (length(CUIL) <= 13),
  AYN TEXT CHECK (length(AYN) <= 40),
  INGRESO TEXT CHECK (length(INGRESO) <= 10),
  SUELDO REAL,
  PUESTO INTEGER,
  AFILIADO INTEGER NOT NULL DEFAULT 0,
  BAJA TEXT CHECK (length(BAJA) <= 10),
  LICENCIA INTEGER,
  MEDIA INTEGER NOT NULL DEFAULT 0,
  BajaInformada INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Empleados_IDEMPRESA ON Empleados (IDEMPRESA);
CREATE INDEX Empleados_BAJA ON Empleados (BAJA);
CREATE INDEX Empleados_CUIL ON Empleados (CUIL);

CREATE TABLE Liquidaciones (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  IDMATRIZ INTEGER NOT NULL REFERENCES Empresas (ID) ON UPDATE CASCADE ON DELETE CASCADE,
  MES INTEGER,
  ANIO INTEGER,
  TIPOBOLETA INTEGER,
  CANTEMPLEADOS INTEGER,
  CANTAFILIADOS REAL,
  TOTALEMPLEADOS REAL,
  TOTALAFILIADOS REAL,
  PORCENTAJEDOS REAL,
  APAGAR2 REAL,
  PAGADO2 REAL,
  PORCENTAJEFCM REAL,
  APAGARFCM REAL,
  PAGADOFCM REAL,
  IMPORTECUOTA REAL,
  APAGARCUOTA REAL,
  PAGADOCUOTA REAL,
  COEFICIENTE REAL,
  APAGARRECARGO REAL,
  PAGADORECARGO REAL,
  OTROSCONCEPTOS TEXT CHECK (length(OTROSCONCEPTOS) <= 50),
  PAGADOOTROS REAL,
  NROREQ TEXT CHECK (length(NROREQ) <= 50),
  PAGADOREQ REAL,
  CUOTA TEXT CHECK (length(CUOTA) <= 50),
  CREDITO REAL,
  CONCEPTOCREDITO TEXT CHECK (length(CONCEPTOCREDITO) <= 50),
  PAGADOTOTAL REAL,
  INSPECTOR TEXT CHECK (length(INSPECTOR) <= 50),
  ORIG_RECT INTEGER,
  FORMA_PAGO INTEGER,
  BANCO TEXT CHECK (length(BANCO) <= 50),
  CHEQUE TEXT CHECK (length(CHEQUE) <= 20),
  VERSION TEXT CHECK (length(VERSION) <= 12),
  Numerador INTEGER,
  ExtraOrd INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX MATRIZ ON Liquidaciones (IDMATRIZ);
CREATE INDEX PERIODO ON Liquidaciones (ANIO, MES);

CREATE TABLE Liquidaciones_Empl (
  Id INTEGER PRIMARY KEY AUTOINCREMENT,
  IDLIQUIDACION INTEGER NOT NULL REFERENCES Liquidaciones (ID) ON UPDATE CASCADE ON DELETE CASCADE,
  IDEMPLEADO INTEGER,
  REMUNERACION REAL,
  APORTEDOS REAL,
  APORTEFCM REAL,
  APORTECTA REAL,
  LICENCIA INTEGER,
  BAJA TEXT,
  MEDIA INTEGER NOT NULL DEFAULT 0,
  AFILIADO INTEGER NOT NULL DEFAULT 0,
  CUIL TEXT CHECK (length(CUIL) <= 13),
  AYN TEXT CHECK (length(AYN) <= 40),
  INGRESO TEXT CHECK (length(INGRESO) <= 10)
);
CREATE INDEX IDLIQUID ON Liquidaciones_Empl (IDLIQUIDACION);
CREATE INDEX SUCURSAL ON Liquidaciones_Empl (IDEMPLEADO);
CREATE INDEX Liquidaciones_Empl_CUIL ON Liquidaciones_Empl (CUIL);

CREATE TABLE PARAMETROS (
  PORCENTAJEDOS REAL,
  PORCENTAJEFCM REAL,
  IMPORTECTA REAL
);

CREATE TABLE Categorias (
  Id INTEGER PRIMARY KEY,
  Codigo TEXT CHECK (length(Codigo) <= 3),
  Descripcion TEXT CHECK (length(Descripcion) <= 100)
);

CREATE TABLE Rubros (
  Codigo TEXT CHECK (length(Codigo) <= 10),
  Descripcion TEXT CHECK (length(Descripcion) <= 100)
);

CREATE TABLE Provincias (
  IdProvincia INTEGER PRIMARY KEY,
  Provincia TEXT CHECK (length(Provincia) <= 50)
);

CREATE TABLE Localidades (
  Localidad TEXT CHECK (length(Localidad) <= 60),
  Codigo TEXT CHECK (length(Codigo) <= 4),
  IDProvincia INTEGER REFERENCES Provincias (IdProvincia)
);
CREATE INDEX Localidades_Localidad ON Localidades (Localidad);
CREATE INDEX Localidades_Codigo ON Localidades (Codigo);
CREATE INDEX Localidades_IDProvincia ON Localidades (IDProvincia);

-- True is stored as 1 whatever the statement wrote (-1 or any other non-zero value).
CREATE TRIGGER Empresas_si_no_alta AFTER INSERT ON Empresas WHEN NEW.FISICA NOT IN (0, 1)
BEGIN UPDATE Empresas SET FISICA = (FISICA <> 0) WHERE ID = NEW.ID; END;
CREATE TRIGGER Empresas_si_no_cambio AFTER UPDATE OF FISICA ON Empresas WHEN NEW.FISICA NOT IN (0, 1)
BEGIN UPDATE Empresas SET FISICA = (FISICA <> 0) WHERE ID = NEW.ID; END;

CREATE TRIGGER Empleados_si_no_alta AFTER INSERT ON Empleados
WHEN NEW.AFILIADO NOT IN (0, 1) OR NEW.MEDIA NOT IN (0, 1) OR NEW.BajaInformada NOT IN (0, 1)
BEGIN UPDATE Empleados SET AFILIADO = (AFILIADO <> 0), MEDIA = (MEDIA <> 0), BajaInformada = (BajaInformada <> 0)
      WHERE ID = NEW.ID; END;
CREATE TRIGGER Empleados_si_no_cambio AFTER UPDATE OF AFILIADO, MEDIA, BajaInformada ON Empleados
WHEN NEW.AFILIADO NOT IN (0, 1) OR NEW.MEDIA NOT IN (0, 1) OR NEW.BajaInformada NOT IN (0, 1)
BEGIN UPDATE Empleados SET AFILIADO = (AFILIADO <> 0), MEDIA = (MEDIA <> 0), BajaInformada = (BajaInformada <> 0)
      WHERE ID = NEW.ID; END;

CREATE TRIGGER Liquidaciones_si_no_alta AFTER INSERT ON Liquidaciones WHEN NEW.ExtraOrd NOT IN (0, 1)
BEGIN UPDATE Liquidaciones SET ExtraOrd = (ExtraOrd <> 0) WHERE ID = NEW.ID; END;
CREATE TRIGGER Liquidaciones_si_no_cambio AFTER UPDATE OF ExtraOrd ON Liquidaciones WHEN NEW.ExtraOrd NOT IN (0, 1)
BEGIN UPDATE Liquidaciones SET ExtraOrd = (ExtraOrd <> 0) WHERE ID = NEW.ID; END;

CREATE TRIGGER Liquidaciones_Empl_si_no_alta AFTER INSERT ON Liquidaciones_Empl
WHEN NEW.MEDIA NOT IN (0, 1) OR NEW.AFILIADO NOT IN (0, 1)
BEGIN UPDATE Liquidaciones_Empl SET MEDIA = (MEDIA <> 0), AFILIADO = (AFILIADO <> 0) WHERE Id = NEW.Id; END;
CREATE TRIGGER Liquidaciones_Empl_si_no_cambio AFTER UPDATE OF MEDIA, AFILIADO ON Liquidaciones_Empl
WHEN NEW.MEDIA NOT IN (0, 1) OR NEW.AFILIADO NOT IN (0, 1)
BEGIN UPDATE Liquidaciones_Empl SET MEDIA = (MEDIA <> 0), AFILIADO = (AFILIADO <> 0) WHERE Id = NEW.Id; END;

INSERT INTO PARAMETROS (PORCENTAJEDOS, PORCENTAJEFCM, IMPORTECTA) VALUES (2, 2, 2);

INSERT INTO Categorias (Id, Codigo, Descripcion) VALUES
 (0, '120', 'Administrativo ''B'''),
 (1, '121', 'Administrativo B 16 Años'),
 (2, '130', 'Administrativo C'),
 (3, '131', 'Administrativo C 16 Años'),
 (4, '140', 'Administrativo D'),
 (5, '141', 'Administrativo D 16 Años'),
 (6, '150', 'Administrativo E'),
 (7, '160', 'Administrativo F'),
 (8, '410', 'Aux. Especializado A'),
 (9, '411', 'Aux. Especializado A 16 Años'),
 (10, '420', 'Aux. Especializado B'),
 (11, '421', 'Aux. Especializado B 16 Años'),
 (12, '510', 'Auxiliar A'),
 (13, '511', 'Auxiliar A 16 Años'),
 (14, '520', 'Auxiliar B'),
 (15, '521', 'Auxiliar B 16 Años'),
 (16, '530', 'Auxiliar C'),
 (17, '310', 'Cajero A'),
 (18, '320', 'Cajero B'),
 (19, '330', 'Cajero C'),
 (20, '711', 'Jornada 6 Hrs. 14 Años'),
 (21, '712', 'Jornada 6 Hrs. 15 Años'),
 (22, '620', 'Maestranza B'),
 (23, '111', 'Administrativo A 16 Años'),
 (24, '230', 'Vendedor C'),
 (25, '210', 'Vendedor A'),
 (26, '631', 'Maestranza C 16 Años'),
 (27, '621', 'Maestranza B 16 Años'),
 (28, '611', 'Maestranza A 16 Años'),
 (29, '610', 'Maestranza A'),
 (30, '001', 'Jubilado'),
 (31, '630', 'Maestranza C'),
 (32, '220', 'Vendedor B'),
 (33, '110', 'Administrativo ''A'''),
 (34, '240', 'Vendedor D'),
 (35, '000', 'Sin Categoria');
