// Packs the images for the web pages into one gzip stream that the page
// inflates into the program's file system: a record a file, its name, a
// zero byte, its size in 4 bytes little-endian, its bytes. A 24-bit BMP of
// at most 256 colours, as many as an 8-bit palette holds, goes in as an
// 8-bit one, which Allegro reads three times faster and turns into the very
// same 16-bit pixels: its palette keeps 6 bits a channel, and the screen's
// 16 bits need 5 or 6. The web's Allegro has no 24-bit depth: a BMP of
// more colours fails the packing.
// Usage: node empacotar.mjs OUT FILE...
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';
import { gzipSync } from 'node:zlib';

const CABECA = 14, INFO = 40; // the BMP's file header and info header

// A 24-bit BMP, uncompressed and bottom-up, with a palette; others as they are.
function em_8_bits(bmp, nome) {
  const largura = bmp.readInt32LE(18), altura = bmp.readInt32LE(22);
  if (bmp.readUInt32LE(14) !== INFO || bmp.readUInt16LE(28) !== 24 || bmp.readUInt32LE(30) !== 0 ||
    largura < 1 || altura < 1) return bmp;
  const inicio = bmp.readUInt32LE(10), passo = (largura * 3 + 3) & ~3, linha = (largura + 3) & ~3;
  const cores = new Map(); // colour: index; magic pink stays pink in 16 bits
  const indices = Buffer.alloc(linha * altura);
  for (let y = 0; y < altura; y++)
    for (let x = 0; x < largura; x++) {
      const cor = bmp.readUIntLE(inicio + y * passo + x * 3, 3);
      if (!cores.has(cor)) cores.set(cor, cores.size);
      indices[y * linha + x] = cores.get(cor);
    }
  if (cores.size > 256) throw new Error(nome + ': more than 256 colours, which the web port cannot load');
  const paleta = Buffer.alloc(4 * cores.size);
  for (const [cor, i] of cores) paleta.writeUInt32LE(cor, 4 * i);
  const saida = Buffer.concat([bmp.subarray(0, CABECA + INFO), paleta, indices]);
  saida.writeUInt32LE(saida.length, 2);
  saida.writeUInt32LE(CABECA + INFO + paleta.length, 10);
  saida.writeUInt16LE(8, 28);
  saida.writeUInt32LE(indices.length, 34);
  saida.writeUInt32LE(cores.size, 46); // colours used
  saida.writeUInt32LE(0, 50);          // colours important: all
  return saida;
}

const [destino, ...arquivos] = process.argv.slice(2);
const registros = arquivos.map((arquivo) => {
  const bytes = arquivo.endsWith('.bmp') ? em_8_bits(readFileSync(arquivo), arquivo) : readFileSync(arquivo);
  const tamanho = Buffer.alloc(4);
  tamanho.writeUInt32LE(bytes.length);
  return Buffer.concat([Buffer.from(basename(arquivo) + '\0', 'latin1'), tamanho, bytes]);
});
writeFileSync(destino, gzipSync(Buffer.concat(registros), { level: 9 }));
