// The pages as an app, each case in a fresh profile: installable by
// Chromium's own check; offline after one visit, pixel for pixel the native
// windows; a new build, once a visit found it, is alone left, and plays.
// Usage: node app.mjs ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir, abrir_rodando, ate_igual, com_chromium, esperar, falhar, relatar } from './comum.mjs';

const [zip, pasta_nativa, modulos] = process.argv.slice(2);
const web = new URL('../../web/', import.meta.url).pathname;
const SOB_O_TRABALHADOR = () => !!navigator.serviceWorker.controller;

// A copy of the zip's folder served on its own to a browser of its own,
// whose pages share its one context, where the service worker lives:
// corpo(open a page at url, once running if rodando; the folder; stop the
// server); all of it gone after.
async function com_copia(corpo) {
  const pasta = mkdtempSync(join(tmpdir(), 'tabuleiro2-app-'));
  cpSync(zip, pasta, { recursive: true });
  try {
    await com_chromium(pasta, pasta_nativa, modulos, (navegador, endereco, parar) => corpo((url, rodando) =>
      (rodando ? abrir_rodando : abrir)(navegador, endereco + url, { contexto: navegador.defaultBrowserContext() }), pasta, parar));
  } finally {
    rmSync(pasta, { recursive: true, force: true });
  }
}

// Opens url, waits for its first frame, then for the native capture
// nativa, if any, on the canvas.
async function jogar(abrir_aqui, url, nativa) {
  const pagina = await abrir_aqui(url, true);
  if (nativa) await ate_igual(pagina, join(pasta_nativa, nativa), url);
  return pagina;
}

// The first visit: the game's page, until its service worker is in charge.
async function visitar(abrir_aqui) {
  await (await esperar(await abrir_aqui('/'), SOB_O_TRABALHADOR, 'no service worker in charge of the page')).close();
}

async function testar_instalavel() {
  await com_copia(async (abrir_aqui) => {
    for (const url of ['/', '/editor.html']) {
      const pagina = await esperar(await abrir_aqui(url), SOB_O_TRABALHADOR, url + ' registered no service worker');
      const { installabilityErrors: erros } = await (await pagina.createCDPSession()).send('Page.getInstallabilityErrors');
      if (erros.length) falhar(url + ' is not installable: ' + erros.map((e) => e.errorId).join(', '));
      await pagina.close();
    }
  });
}

async function testar_sem_rede() {
  await com_copia(async (abrir_aqui, pasta, parar) => {
    await visitar(abrir_aqui);
    await (await jogar(abrir_aqui, '/?tabuleiro=nativa/sem_monstros.map')).close();
    parar();
    const celulas = readFileSync(new URL('pintado.map', import.meta.url), 'latin1').replace(/\n/g, '');
    for (const [url, nativa] of [['/'], ['/?tabuleiro=tabuleiros/campo.map'], ['/?celulas=' + celulas, 'pintado.rgb'],
      ['/?tabuleiro=nativa/sem_monstros.map', 'primeiro.rgb'], ['/editor.html?tabuleiro=tabuleiros/tabuleiro.map', 'editor.rgb']])
      await (await jogar(abrir_aqui, url, nativa)).close();
  });
}

// The new build: the same files but the sample board, now without its
// monsters, and its service worker written by the build's own versionar.mjs.
function versionar(pasta) {
  copyFileSync(join(pasta_nativa, 'sem_monstros.map'), join(pasta, 'tabuleiros/tabuleiro.map'));
  const velho = readFileSync(join(pasta, 'sw.js'), 'utf8');
  const arquivos = JSON.parse(velho.match(/const ARQUIVOS = (\[.*?\]\]);/)[1]).map(([a]) => a);
  execFileSync('node', [join(web, 'versionar.mjs'), join(web, 'sw.js.in'), 'sw.js', ...arquivos], { cwd: pasta });
  return readFileSync(join(pasta, 'sw.js'), 'utf8').match(/tabuleiro2-[0-9a-f]+/)[0];
}

async function testar_nova_versao() {
  await com_copia(async (abrir_aqui, pasta) => {
    await visitar(abrir_aqui);
    const versao = versionar(pasta), velha = await jogar(abrir_aqui, '/');
    await esperar(velha, async (v) => (await caches.keys()).join() === v, 'caches but ' + versao + ' left', versao);
    await jogar(abrir_aqui, '/', 'primeiro.rgb');
  });
}

await relatar(async () => { for (const teste of [testar_instalavel, testar_sem_rede, testar_nova_versao]) await teste(); });
