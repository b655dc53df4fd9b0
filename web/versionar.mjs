// Writes the service worker for one build from its model: every file of the
// build with its SHA-256 digest, and the build's version, a digest of them
// all, so that any changed file makes a new version.
// Usage: node versionar.mjs MODEL OUT FILE... (paths relative to the build)
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [modelo, destino, ...arquivos] = process.argv.slice(2);
const resumos = arquivos.map((a) => [a, 'sha256-' + createHash('sha256').update(readFileSync(a)).digest('base64')]);
const versao = createHash('sha256').update(JSON.stringify(resumos)).digest('hex').slice(0, 16);
writeFileSync(destino, readFileSync(modelo, 'utf8').replace('@VERSAO@', versao)
  .replace('@ARQUIVOS@', JSON.stringify(resumos)));
