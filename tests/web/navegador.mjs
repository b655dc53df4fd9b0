// Shared by the web test and the web benchmark: a static server for the
// page on 127.0.0.1 and Debian's Chromium, headless, on a new profile.
import { createRequire } from 'node:module';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, resolve } from 'node:path';

// Serves folder raiz, and each other folder of pastas under /NAME/;
// resolves to the base address once it listens.
export async function servir(raiz, pastas = {}) {
  const tipos = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
  const servidor = createServer((pedido, resposta) => {
    const caminho = decodeURIComponent(new URL(pedido.url, 'http://x').pathname);
    const [, primeira, resto] = caminho.match(/^\/([^/]*)\/?(.*)$/);
    const arquivo = pastas[primeira] ? join(pastas[primeira], resto)
      : join(raiz, caminho === '/' ? 'index.html' : caminho);
    try {
      const dados = readFileSync(arquivo);
      resposta.writeHead(200, { 'Content-Type': tipos[extname(arquivo)] || 'application/octet-stream',
        'Last-Modified': statSync(arquivo).mtime.toUTCString() }); // as static hosts say
      resposta.end(dados);
    } catch (e) {
      resposta.writeHead(404);
      resposta.end();
    }
  });
  await new Promise((pronto) => servidor.listen(0, '127.0.0.1', pronto));
  return { servidor, endereco: 'http://127.0.0.1:' + servidor.address().port };
}

// Chromium driven by the puppeteer-core in folder modulos, on profile
// perfil (by default a new one); fechar() ends it and removes a new profile.
export async function abrir_chromium(modulos, perfil) {
  const puppeteer = createRequire(join(resolve(modulos), 'x.js'))('puppeteer-core');
  const novo = !perfil;
  perfil ||= mkdtempSync(join(tmpdir(), 'tabuleiro2-chromium-'));
  const navegador = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: perfil,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  navegador.perfil = perfil;
  navegador.fechar = async () => {
    await navegador.close();
    if (novo) rmSync(perfil, { recursive: true, force: true });
  };
  return navegador;
}
