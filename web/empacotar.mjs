// Packs the images for the web pages into one gzip stream that the page
// inflates into the program's file system: a record a file, its name, a
// zero byte, its size in 4 bytes little-endian, its bytes. Each 24-bit BMP
// goes in as the 16-bit one (5-6-5 bit fields) that holds the very pixels
// Allegro makes of it on the 16-bit screen (makecol16: red >> 3, green >> 2,
// blue >> 3, laid out red first as the platform lays the screen out), so
// that Allegro reads it a line at a time with nothing to convert. The art
// tool draws 24-bit BMPs; any other BMP fails the packing.
// Usage: node empacotar.mjs OUT FILE...
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';
import { gzipSync } from 'node:zlib';

const CABECA = 14, INFO = 40, MASCARAS = 12; // the file header, the info header, the bit fields

// A 24-bit BMP, uncompressed, as the 16-bit one of the same pixels.
function em_16_bits(bmp, nome) {
  const largura = bmp.readInt32LE(18), altura = bmp.readInt32LE(22), linhas = Math.abs(altura);
  if (bmp.readUInt32LE(14) !== INFO || bmp.readUInt16LE(28) !== 24 || bmp.readUInt32LE(30) !== 0 ||
    largura < 1 || linhas < 1) throw new Error(nome + ': not an uncompressed 24-bit BMP');
  const inicio = bmp.readUInt32LE(10), passo = (largura * 3 + 3) & ~3, linha = (largura * 2 + 3) & ~3;
  const pixels = Buffer.alloc(linha * linhas);
  for (let y = 0; y < linhas; y++)
    for (let x = 0; x < largura; x++) {
      const p = inicio + y * passo + x * 3; // blue, green, red
      pixels.writeUInt16LE((bmp[p + 2] >> 3) << 11 | (bmp[p + 1] >> 2) << 5 | bmp[p] >> 3, y * linha + x * 2);
    }
  const cabeca = Buffer.from(bmp.subarray(0, CABECA + INFO));
  const mascaras = Buffer.alloc(MASCARAS);
  [0xF800, 0x07E0, 0x001F].forEach((m, i) => mascaras.writeUInt32LE(m, 4 * i)); // red, green, blue
  const saida = Buffer.concat([cabeca, mascaras, pixels]);
  saida.writeUInt32LE(saida.length, 2);
  saida.writeUInt32LE(CABECA + INFO + MASCARAS, 10);
  saida.writeUInt16LE(16, 28);
  saida.writeUInt32LE(3, 30); // bit fields
  saida.writeUInt32LE(pixels.length, 34);
  saida.writeUInt32LE(0, 46); // no palette
  saida.writeUInt32LE(0, 50);
  return saida;
}

const [destino, ...arquivos] = process.argv.slice(2);
const registros = arquivos.map((arquivo) => {
  const bytes = arquivo.endsWith('.bmp') ? em_16_bits(readFileSync(arquivo), arquivo) : readFileSync(arquivo);
  const tamanho = Buffer.alloc(4);
  tamanho.writeUInt32LE(bytes.length);
  return Buffer.concat([Buffer.from(basename(arquivo) + '\0', 'latin1'), tamanho, bytes]);
});
writeFileSync(destino, gzipSync(Buffer.concat(registros), { level: 9 }));
