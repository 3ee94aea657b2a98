// Prints a table of an Access file as CSV through the npm package mdb-reader, for comparison
// with feastbook-dump: NULL is an empty field, every other value is quoted; dates are written
// as "YYYY-MM-DD HH:MM:SS.mmm" (UTC, as mdb-reader hands them out), Booleans as true/false,
// numbers as JavaScript prints them. Columns of types the program does not read are left out
// by the caller, who compares by column name.
import MDBReader from "mdb-reader";
import { readFileSync } from "node:fs";

const [, , file, tableName] = process.argv;
const reader = new MDBReader(readFileSync(file));
const table = reader.getTable(tableName);
const columns = table.getColumnNames();

function field(value) {
    if (value === null || value === undefined) return "";
    let text;
    if (value instanceof Date) text = value.toISOString().replace("T", " ").replace("Z", "");
    else if (Buffer.isBuffer(value)) text = value.toString("hex");
    else text = String(value);
    return '"' + text.replaceAll('"', '""') + '"';
}

const lines = [columns.join(",")];
for (const row of table.getData()) lines.push(columns.map((c) => field(row[c])).join(","));
process.stdout.write(lines.join("\n") + "\n");
